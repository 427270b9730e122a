#pragma once

// The built desktop program run once on the offscreen platform: what it
// printed and how it ended.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

namespace tallyx {

inline constexpr int kProgramRunMilliseconds = 30000;

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string errors;

    bool Lists(const std::string& fact) const { return out.find(fact) != std::string::npos; }
    std::size_t Where(const std::string& fact) const { return out.find(fact); }
};

// Environment variables given are set for the run, over the test's own.
inline ProgramRun RunProgram(const QStringList& arguments,
                             const std::vector<std::pair<QString, QString>>& environmentAdded = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    // A data folder of the run's own, so that runs leave the user's alone.
    const QTemporaryDir data;
    environment.insert("TALLYX_DATA_DIR", data.path());
    for (const auto& [name, value] : environmentAdded) environment.insert(name, value);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(TALLYX_PROGRAM, arguments);
    ProgramRun run;
    if (!program.waitForFinished(kProgramRunMilliseconds)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.out = program.readAllStandardOutput().toStdString();
    run.errors = program.readAllStandardError().toStdString();
    return run;
}

}  // namespace tallyx
