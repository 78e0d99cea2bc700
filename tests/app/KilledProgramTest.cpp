#include "AppFixture.h"
#include "KilledChild.h"
#include "RecoveryKeeper.h"

#include <QDeadlineTimer>
#include <QMdiSubWindow>
#include <QProcess>
#include <csignal>
#include <iostream>
#include <optional>

namespace ornadeck::app::test {

namespace {

namespace fs = std::filesystem;

bool holdsAFile(const fs::path& folder) {
    std::error_code ec;
    return fs::exists(folder, ec) && !fs::is_empty(folder, ec);
}

// The program a user works in: a new project, a button placed, and a drag of it under way.
class EditingProgram : public AppFixture {
  public:
    EditingProgram() {
        shutDown();
        stateHome = qEnvironmentVariable(kKilledChildStateHome).toStdString();
        launch();
    }
    void TestBody() override {}

    // The placed button's left, or nothing when the edit could not be made.
    std::optional<int> edit() {
        newProject(Library::PToolboxLib);
        const Control* button = activeView() ? place("spbButton", {20, 30}) : nullptr;
        if (!button) return std::nullopt;
        const int left = button->left();
        if (!QTest::qWaitFor([&] { return holdsAFile(stateHome / "ornadeck" / "recovery"); },
                             RecoveryKeeper::kIntervalMs * 3))
            return std::nullopt;
        press({25, 35});
        moveHeld({60, 70});
        return left;
    }
};

} // namespace

int editAndWaitToBeKilled() {
    EditingProgram program;
    const std::optional<int> left = program.edit();
    if (!left) {
        std::cerr << "the edit could not be made\n";
        return 2;
    }
    std::cout << "edited " << *left << std::endl;
    QTest::qWait(120'000); // the parent kills us long before
    return 1;
}

namespace {

using KilledProgram = AppFixture;

// A real kill of a running program in the middle of a drag; the next start offers the form,
// recovers it unsaved, and a normal quit leaves nothing to recover.
TEST_F(KilledProgram, AnEditInTheMiddleOfADragSurvivesSigkill) {
    const fs::path childTemp = temp.path() / "child";
    fs::create_directories(childTemp);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kKilledChildStateHome, QString::fromStdString(stateHome.string()));
    environment.insert("TMPDIR", QString::fromStdString(childTemp.string()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {kKilledChildSwitch});
    ASSERT_TRUE(child.waitForStarted(10'000));
    QByteArray said;
    const QDeadlineTimer deadline(60'000);
    while (!said.endsWith('\n') && child.state() == QProcess::Running && !deadline.hasExpired())
        if (child.waitForReadyRead(500)) said += child.readAllStandardOutput();
    ASSERT_TRUE(said.startsWith("edited ")) << said.toStdString();
    const int placedLeft = said.mid(7).trimmed().toInt();
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10'000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    const fs::path folder = stateHome / "ornadeck" / "recovery";
    ASSERT_TRUE(holdsAFile(folder));

    shutDown();
    ui.answers = {Answer::Yes}; // recover
    launch();
    ASSERT_NE(activeView(), nullptr);
    EXPECT_EQ(activeForm().name(), "Form1");
    const Control* button = activeForm().findByName("Button1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->left(), placedLeft); // the drag under way was never finished
    EXPECT_TRUE(qobject_cast<QMdiSubWindow*>(activeView()->parentWidget())->isWindowModified());
    EXPECT_TRUE(activeForm().filePath().empty()); // never saved: nothing to overwrite

    shutDown();
    EXPECT_TRUE(fs::is_empty(folder));
}

} // namespace
} // namespace ornadeck::app::test
