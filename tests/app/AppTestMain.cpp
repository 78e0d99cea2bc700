#include "KilledChild.h"

#include <QApplication>
#include <cstring>
#include <gtest/gtest.h>

// The GUI tests need no display: Qt draws offscreen unless told otherwise.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], ornadeck::app::test::kKilledChildSwitch) == 0)
        return ornadeck::app::test::editAndWaitToBeKilled();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
