#include "support/testsupport.h"

#include "platform/codepage.h"

#include <csignal>
#include <fstream>
#include <random>
#include <stdexcept>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace testsupport {

TempDir::TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("vantaedit-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void WriteBytes(const std::filesystem::path &file, const std::string &bytes) {
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

std::string ReadBytes(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::u16string WidePath(const std::filesystem::path &file) { return file.u16string(); }

MessageRecorder::MessageRecorder(platform::Answer fallback) : fallback_(fallback) {
    platform::SetMessageBoxHandler([this](const platform::MessageBoxRequest &request) {
        shown_.push_back(request);
        if (answers_.empty()) return fallback_;
        platform::Answer answer = answers_.front();
        answers_.erase(answers_.begin());
        return answer;
    });
}

MessageRecorder::~MessageRecorder() { platform::SetMessageBoxHandler({}); }

std::vector<std::string> MessageRecorder::Texts() const {
    std::vector<std::string> texts;
    for (const auto &request : shown_)
        texts.push_back(U8(request.text));
    return texts;
}

#ifndef _WIN32
void WithFileSizeLimit(unsigned long bytes, const std::function<void()> &action) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = bytes;
    if (setrlimit(RLIMIT_FSIZE, &small) != 0) throw std::runtime_error("setrlimit failed");
    action();
    setrlimit(RLIMIT_FSIZE, &saved);
}
#endif

std::u16string U16(const std::string &utf8) { return platform::Utf8ToWide(utf8); }

std::string U8(const std::u16string &utf16) { return platform::WideToUtf8(utf16); }

namespace {

std::string LittleEndian(uint32_t n) {
    return {char(n & 0xff), char(n >> 8 & 0xff), char(n >> 16 & 0xff), char(n >> 24)};
}

} // namespace

std::string StringTableBytes(const std::vector<CsfLabel> &labels) {
    std::string bytes = " FSC" + LittleEndian(3) + LittleEndian(uint32_t(labels.size())) +
                        LittleEndian(0) + LittleEndian(0) + LittleEndian(0);
    for (const CsfLabel &label : labels) {
        bytes += " LBL" + LittleEndian(uint32_t(label.texts.size())) +
                 LittleEndian(uint32_t(label.name.size())) + label.name;
        for (const std::u16string &text : label.texts) {
            bytes += (label.extra.empty() ? " RTS" : "WRTS") + LittleEndian(uint32_t(text.size()));
            // The game stores every byte of the text inverted.
            for (char16_t unit : text)
                bytes += {char(~unit & 0xff), char(~unit >> 8 & 0xff)};
            if (!label.extra.empty())
                bytes += LittleEndian(uint32_t(label.extra.size())) + label.extra;
        }
    }
    return bytes;
}

} // namespace testsupport
