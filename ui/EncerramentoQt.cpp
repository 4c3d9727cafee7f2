#include "EncerramentoQt.h"

#include <cstdlib>

void EncerramentoQt::encerra()
{
    // QCoreApplication::exit only leaves the event loop once the current handler returns: the
    // rest of that handler, queued events, close handlers and the destructors after exec()
    // would all still run, and any of them may write. _Exit stops here: no handler, no
    // destructor, no atexit routine. The instance lock stays behind with a dead owner, which
    // the next start takes over.
    std::_Exit(EXIT_SUCCESS);
}
