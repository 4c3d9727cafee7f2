#pragma once

class QElapsedTimer;
class QProgressBar;

// Moves a progress bar that a loop advances once per line of a file. Every value given to the
// bar costs it a style computation and, on a visible change, an immediate repaint: over a full
// register that was a third of the exercise start. The bar is moved a hundredth of its range at
// a time, and to its last value and any value back always.
void AvancaBarra(QProgressBar& barra, int valor);
// The same, and moved forward at most once every `IntervaloDesenhoMs` as `desenhada` (restarted
// at each move; invalid at first) times it: faster than the screen shows, a file checked in a
// blink spent a tenth of its time drawing the bar.
void AvancaBarra(QProgressBar& barra, int valor, QElapsedTimer& desenhada);
inline constexpr int IntervaloDesenhoMs = 20;
