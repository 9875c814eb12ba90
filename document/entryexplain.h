#pragma once
// What each line of an entry says, in words, with the IDs it names: the companion command's
// `explain`. Task force and script lines read as their windows explain them; team and trigger
// lines name their task force, script, teams, house and condition object.

#include "core/document.h"
#include "core/headerindex.h"
#include "core/modnames.h"
#include "document/entrykind.h"
#include "document/filereport.h"
#include "scripts/actionprofiles.h"

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
class EntryExplainer : private ListedEntries {
public:
    // `document`, the names and the actions must outlive the explainer and stay unchanged. Script
    // lines are read by `actions`, as the script window reads them.
    EntryExplainer(const Document &document, const ModNames &names,
                   const ActionProfile &actions = BaseActions());

    // The entries that have ID `id`, one per kind that lists it; empty when none does.
    std::vector<ExplainedEntry> Explain(std::string_view id);

private:
    ExplainedEntry Section(EntryKind kind, std::string_view id);
    ExplainedEntry Trigger(std::string_view id);
    void ExplainTaskForceLine(std::string_view row, ExplainedLine &line) const;
    void ExplainTeamLine(std::string_view row, ExplainedLine &line) const;
    // The Name= of an entry's section; empty when it has none.
    std::string_view SectionName(EntryKind kind, std::string_view id) const;
    // "TF1（Rush）": an entry by its ID and name.
    std::u16string Named(EntryKind kind, std::string_view id) const;
    std::u16string TypeNamed(std::string_view id) const;
    std::u16string CountryNamed(std::string_view id) const;
    std::optional<std::string_view> IdAt(bool scripts, int64_t index,
                                         int64_t &count) const override;
    std::string_view NameOf(bool scripts, std::string_view id) const override;

    const Document &document_;
    ModNames names_;
    const ActionProfile &actions_;
    EntryLocator locator_;
    std::array<std::unordered_map<std::string_view, bool>, 3> listed_;
    std::array<HeaderIndex, 3> sections_;
    std::unordered_map<std::string_view, std::string_view> triggers_; // ID -> text after it
    std::vector<std::string_view> scriptIds_, teamIds_;
};
