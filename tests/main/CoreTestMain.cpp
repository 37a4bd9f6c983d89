#include <QCoreApplication>

#include <gtest/gtest.h>

// Tests below the windows run with an event loop but without any window.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
