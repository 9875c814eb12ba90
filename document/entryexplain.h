#pragma once
// What each line of an entry says, in words, with the IDs it names: the companion command's
// `explain`. Task force and script lines read as their windows explain them; team and trigger
// lines name their task force, script, teams, house and condition object.

#include "core/document.h"
#include "core/headerindex.h"
#include "core/modnames.h"
#include "document/entrykind.h"
#include "document/filereport.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct ExplainedLine {
    int line = 0;     // in its file, from 1; 0 when only the document holds it so
    std::string text; // as the document holds it, in the ANSI code page
    std::u16string meaning;
    std::vector<std::string> refers; // the IDs the line names
};

struct ExplainedEntry {
    EntryKind kind = EntryKind::TaskForce;
    std::string id;
    std::u16string file; // where its lines are, as the report names files; empty when none is
    std::vector<ExplainedLine> lines;
};

// Explains entries of one document. Indexes the document once, so that explaining every entry
// costs one pass over the texts.
class EntryExplainer {
public:
    // `document` and the names must outlive the explainer and stay unchanged.
    EntryExplainer(const Document &document, const ModNames &names);

    // The entries that have ID `id`, one per kind that lists it; empty when none does.
    std::vector<ExplainedEntry> Explain(std::string_view id);

private:
    ExplainedEntry Section(EntryKind kind, std::string_view id);
    ExplainedEntry Trigger(std::string_view id);
    void ExplainTaskForceLine(std::string_view row, ExplainedLine &line) const;
    void ExplainTeamLine(std::string_view row, ExplainedLine &line) const;
    // "TF1（Rush）": an entry by its ID and name.
    std::u16string Named(EntryKind kind, std::string_view id) const;
    std::u16string TypeNamed(std::string_view id) const;
    std::u16string CountryNamed(std::string_view id) const;

    const Document &document_;
    ModNames names_;
    EntryLocator locator_;
    std::array<std::unordered_map<std::string_view, bool>, 3> listed_;
    std::array<HeaderIndex, 3> sections_;
    std::unordered_map<std::string_view, std::string_view> triggers_; // ID -> text after it
    std::vector<std::string_view> scriptIds_, teamIds_;
};
