#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    // Tests never need a display: the offscreen platform gives real widgets,
    // fonts and painting without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
