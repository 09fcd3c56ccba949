// fault_trials [trial[=count] ...]: runs the named trials (all of them when none is named) and
// prints their figures. Exit status 1 when a trial saw something that must never happen, 2 for
// a trial it does not know.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "trials.h"

namespace {

struct Entry {
    const char* name;
    int count;  // repetitions unless the command line gives them
    trials::Trial run;
};

// A new trial is one function and one line here.
constexpr Entry kTrials[] = {
    {"saver-cycles", 100, trials::saverCycles},
    {"renderer-kills", 20, trials::rendererKills},
    {"settings-open-cancel", 50, trials::settingsOpenCancel},
    {"settings-gdi-handles", 1000, trials::settingsGdiHandles},
};

}  // namespace

const Entry* trialNamed(const std::string& name) {
    for (const Entry& entry : kTrials) {
        if (name == entry.name) return &entry;
    }
    return nullptr;
}

int main(int argc, char** argv) {
    std::vector<std::pair<const Entry*, int>> chosen;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t equals = arg.find('=');
        const Entry* entry = trialNamed(arg.substr(0, equals));
        if (!entry) {
            std::fprintf(stderr, "fault_trials: no trial %s\n", arg.c_str());
            return 2;
        }
        chosen.emplace_back(entry, equals == std::string::npos ? entry->count : std::atoi(arg.c_str() + equals + 1));
    }
    if (chosen.empty()) {
        for (const Entry& entry : kTrials) chosen.emplace_back(&entry, entry.count);
    }
    bool allHeld = true;
    for (const auto& [entry, count] : chosen) allHeld = entry->run(count) && allHeld;
    return allHeld ? 0 : 1;
}
