// What the trials share: durations gathered over the repetitions, the programs of this Wine
// session that are still running, and the lines of figures they print.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "process.h"

namespace trials {

// Durations of one step over all repetitions, in milliseconds.
class Timings {
public:
    void add(double ms) { samples_.push_back(ms); }
    // "median 123.4 ms, max 456.7 ms", or "none" before the first sample.
    std::string summary() const;

private:
    std::vector<double> samples_;
};

// How often each thing that must never happen did, by name, printed in the order given.
class Faults {
public:
    Faults(std::initializer_list<const char*> names);
    // Counts one of `name` when `happened`; a name not given at construction is a trial's bug.
    void count(const char* name, bool happened = true);
    void print() const;
    bool none() const;

private:
    std::vector<std::pair<std::string, long long>> counts_;
};

// Processes of Corvessa.scr and Corvessa.dll still running in this Wine session.
std::vector<DWORD> runningPrograms();

// Waits up to `timeoutMs` for none of them to run, then ends the rest, which only a trial can
// have started; gives how many there were.
int endLeftovers(DWORD timeoutMs);

// Prints "  <name>: <value>" as one line of a trial's figures.
void printFigure(const char* name, const std::string& value);
void printFigure(const char* name, long long value);

// Milliseconds until `done` holds, polled every 5 ms; negative after `timeoutMs`.
template <typename Condition>
double msUntil(Condition done, DWORD timeoutMs) {
    const double start = e2e::nowMs();
    while (!done()) {
        if (e2e::nowMs() - start > timeoutMs) return -1;
        Sleep(5);
    }
    return e2e::nowMs() - start;
}

}  // namespace trials
