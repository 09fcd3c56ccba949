// Runs every input of one fuzz target's corpus through the target, one test per input, so that
// the seeds and the crashes mended since keep passing in the ordinary unit-test runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace {

namespace fs = std::filesystem;

class CorpusInput : public ::testing::Test {
public:
    explicit CorpusInput(fs::path path) : path_(std::move(path)) {}
    void TestBody() override {
        std::ifstream file(path_, std::ios::binary);
        ASSERT_TRUE(file) << path_;
        const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        // A broken rule ends the process inside the target, with the rule's name on stderr.
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    }

private:
    fs::path path_;
};

// Test names are the file names with everything but letters and digits as '_'.
std::string testNameOf(const fs::path& path) {
    std::string name = path.filename().string();
    std::replace_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const fs::path corpus = CORVESSA_FUZZ_CORPUS;
    std::vector<fs::path> inputs;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(corpus, error)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    const std::string suite = "Corpus_" + corpus.filename().string();
    for (const fs::path& input : inputs) {
        ::testing::RegisterTest(suite.c_str(), testNameOf(input).c_str(), nullptr, nullptr, __FILE__, __LINE__,
                                [input]() -> ::testing::Test* { return new CorpusInput(input); });
    }
    if (inputs.empty()) {
        ::testing::RegisterTest(suite.c_str(), "HasSeeds", nullptr, nullptr, __FILE__, __LINE__,
                                [corpus]() -> ::testing::Test* { return new CorpusInput(corpus / "(none)"); });
    }
    return RUN_ALL_TESTS();
}
