// Paths beside the program.
#include "path_text.h"

#include "cp932_text.h"

std::string directoryOf(const std::string& programPath) {
    std::size_t lastSeparator = std::string::npos;
    for (std::size_t i = 0; i < programPath.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(programPath[i]);
        if (cp932::isLeadByte(byte)) {
            ++i;
        } else if (byte == '\\' || byte == '/') {
            lastSeparator = i;
        }
    }
    return lastSeparator == std::string::npos ? std::string() : programPath.substr(0, lastSeparator);
}

std::string besideProgram(const std::string& directory, const char* fileName) {
    return directory + "\\" + fileName;
}

std::string withoutTrailingSeparator(const std::string& path) {
    if (cp932::lastCharacters(path, 1) == "\\") return path.substr(0, path.size() - 1);
    return path;
}

std::optional<std::string> ansiFolderName(const std::optional<std::string>& longForm,
                                          const std::optional<std::string>& shortForm) {
    if (longForm && !longForm->empty()) return longForm;
    if (shortForm && !shortForm->empty()) return shortForm;
    return std::nullopt;
}

std::optional<std::string> pathInFolder(const std::string& path, const std::string& folder) {
    if (folder.empty() || path.size() <= folder.size() + 1 || path.compare(0, folder.size(), folder) != 0 ||
        path[folder.size()] != '\\') {
        return std::nullopt;
    }
    return path.substr(folder.size() + 1);
}
