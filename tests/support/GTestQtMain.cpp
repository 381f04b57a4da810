// main() for GoogleTest executables: a QApplication exists for the whole run,
// so code that touches fonts, pictures, the clipboard or widgets works offscreen.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
