// vantaedit-cli diff: two AI files, with their include files, compared by entry.

#include "cli/diff.h"

#include "cli/json.h"
#include "core/initext.h"
#include "document/documentio.h"
#include "document/entrydiff.h"
#include "platform/codepage.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "res/text.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

void Print(FILE *out, std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), out); }

// File text (the ANSI code page) as UTF-8.
std::string Utf8(std::string_view narrow) { return platform::WideToUtf8(ToWide(narrow)); }

std::string Named(const EntryChange &change) {
    std::string name = std::string(EntryKindName(change.kind)) + " " + Utf8(change.id);
    if (change.occurrence > 0) name += " (listing " + std::to_string(change.occurrence + 1) + ")";
    return name;
}

std::string Shown(const std::optional<std::string> &value) {
    return value ? Utf8(*value) : "(absent)";
}

void PrintText(const std::vector<EntryChange> &changes) {
    std::string out;
    for (const EntryChange &change : changes) {
        switch (change.what) {
        case EntryChange::What::Added:
            out += "added " + Named(change) + "\n";
            break;
        case EntryChange::What::Removed:
            out += "removed " + Named(change) + "\n";
            break;
        case EntryChange::What::Changed:
            out += "changed " + Named(change) + "\n";
            for (const FieldChange &field : change.fields)
                out += "    " + field.name + ": " + Shown(field.before) + " -> " +
                       Shown(field.after) + "\n";
            for (const std::string &line : change.removedLines)
                out += "    - " + Utf8(line) + "\n";
            for (const std::string &line : change.addedLines)
                out += "    + " + Utf8(line) + "\n";
            break;
        }
    }
    Print(stdout, out);
}

Json Value(const std::optional<std::string> &value) { return value ? Json(Utf8(*value)) : Json(); }

Json::Array Lines(const std::vector<std::string> &lines) {
    Json::Array array;
    for (const std::string &line : lines)
        array.push_back(Utf8(line));
    return array;
}

void PrintJson(const char *oldFile, const char *newFile, const std::vector<EntryChange> &changes) {
    Json::Array added, removed, changed;
    for (const EntryChange &change : changes) {
        Json::Object entry{{"kind", std::string(EntryKindName(change.kind))},
                           {"id", Utf8(change.id)},
                           {"listing", change.occurrence + 1}};
        if (change.what == EntryChange::What::Added) {
            added.push_back(std::move(entry));
            continue;
        }
        if (change.what == EntryChange::What::Removed) {
            removed.push_back(std::move(entry));
            continue;
        }
        const bool team = change.kind == EntryKind::Team;
        Json::Array fields;
        for (const FieldChange &field : change.fields)
            fields.push_back(Json::Object{{team ? "key" : "field", field.name},
                                          {"old", Value(field.before)},
                                          {"new", Value(field.after)}});
        if (!change.fields.empty()) entry.emplace_back(team ? "keys" : "fields", std::move(fields));
        if (change.fields.empty())
            entry.emplace_back("lines", Json::Object{{"removed", Lines(change.removedLines)},
                                                     {"added", Lines(change.addedLines)}});
        changed.push_back(std::move(entry));
    }
    Json::Object run{{"old", std::string(oldFile)},       {"new", std::string(newFile)},
                     {"status", changes.empty() ? 0 : 1}, {"added", std::move(added)},
                     {"removed", std::move(removed)},     {"changed", std::move(changed)}};
    Print(stdout, Json(std::move(run)).Indented());
}

// Opens `file` as Open does, its messages on standard error; null when the comparison would miss
// something (the file, or an include file that exists, was not read).
std::unique_ptr<Document> Open(const char *file) {
    auto document = std::make_unique<Document>();
    document->openedPath = platform::AbsolutePathOf(file);
    platform::SetMessageBoxHandler([](const platform::MessageBoxRequest &request) {
        Print(stderr, platform::WideToUtf8(request.text) + "\n");
        return platform::Answer::Ok;
    });
    LoadOpenedFile(*document, false);
    platform::SetMessageBoxHandler({});
    if (document->openedFileUnread || !document->unreadIncludes.empty()) return nullptr;
    return document;
}

} // namespace

int RunDiff(int argc, char **argv, int (*usage)()) {
    bool json = false;
    std::vector<const char *> files;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--format=text") == 0)
            json = false;
        else if (std::strcmp(argv[i], "--format=json") == 0)
            json = true;
        else if (argv[i][0] == '-' || !*argv[i])
            return usage();
        else
            files.push_back(argv[i]);
    }
    if (files.size() != 2) return usage();
    const std::unique_ptr<Document> before = Open(files[0]);
    const std::unique_ptr<Document> after = before ? Open(files[1]) : nullptr;
    if (!before || !after) {
        Print(stderr, std::string(before ? files[1] : files[0]) +
                          platform::WideToUtf8(res::Str("cli.diffUnread")));
        return 2;
    }
    const std::vector<EntryChange> changes = DiffEntries(EntriesOf(*before), EntriesOf(*after));
    if (json)
        PrintJson(files[0], files[1], changes);
    else
        PrintText(changes);
    return changes.empty() ? 0 : 1;
}
