#pragma once

#ifdef _WIN32
#include <string>
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace ornadeck::test {

// The number of a process that has run, ended and been collected: a dead program's.
inline int finishedProcessId() {
#ifdef _WIN32
    std::wstring command = L"cmd.exe /c exit 0";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &startup, &process))
        return -1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(process.dwProcessId);
#else
    const pid_t child = fork();
    if (child == 0) _exit(0);
    int status = 0;
    waitpid(child, &status, 0);
    return child;
#endif
}

} // namespace ornadeck::test
