#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Listing the cases at build time runs this too, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
