#pragma once
// Shared test fixtures: a fresh temporary folder and a recorder that answers message boxes.

#include "platform/seams.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// A new empty folder, removed again when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::filesystem::path &path() const { return path_; }
    // `name` is UTF-8, on every system.
    std::filesystem::path operator/(const std::string &name) const {
        return path_ / std::filesystem::path(std::u8string(name.begin(), name.end()));
    }

private:
    std::filesystem::path path_;
};

// Writes raw bytes to a file, creating its folders.
void WriteBytes(const std::filesystem::path &file, const std::string &bytes);
// Reads raw bytes; empty when the file does not exist.
std::string ReadBytes(const std::filesystem::path &file);
// The wide form of a path, as the program holds it.
std::u16string WidePath(const std::filesystem::path &file);

// Records every message box and answers from a queue (then with `fallback`).
class MessageRecorder {
public:
    explicit MessageRecorder(platform::Answer fallback = platform::Answer::Ok);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void Answer(platform::Answer answer) { answers_.push_back(answer); }
    const std::vector<platform::MessageBoxRequest> &shown() const { return shown_; }
    // The texts shown so far, converted to UTF-8 for readable test failures.
    std::vector<std::string> Texts() const;

private:
    platform::Answer fallback_;
    std::vector<platform::Answer> answers_;
    std::vector<platform::MessageBoxRequest> shown_;
};

// A string table file (.csf) of these labels, in the game's layout: each label with its strings,
// written as "WRTS" with the extra value when there is one.
struct CsfLabel {
    std::string name;
    std::vector<std::u16string> texts;
    std::string extra;
};
std::string StringTableBytes(const std::vector<CsfLabel> &labels);

#ifndef _WIN32
// Runs `action` with files limited to `bytes`: a write past the limit fails part-way, as on a
// full disk.
void WithFileSizeLimit(unsigned long bytes, const std::function<void()> &action);
#endif

// UTF-8 <-> UTF-16 for writing expectations in tests.
std::u16string U16(const std::string &utf8);
std::string U8(const std::u16string &utf16);

} // namespace testsupport
