#include <clocale>
#include <gtest/gtest.h>

// Every test program starts as the program does: the C library takes its locale from the
// environment, as QApplication makes it do, so a number converted through the C library's locale
// shows up in the tests run under a decimal-comma locale.
int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
