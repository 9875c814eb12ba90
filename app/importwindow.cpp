#include "app/importwindow.h"

#include "core/initext.h"
#include "document/documentio.h"
#include "platform/seams.h"
#include "res/text.h"
#include "res/transferdialogs.h"
#include "ui/documentmodel.h"

namespace {

std::u16string Decimal(size_t n) { return ToWide(std::to_string(n)); }

std::u16string PresenceText(Presence presence) {
    switch (presence) {
    case Presence::Absent:
        break;
    case Presence::SameBody:
        return res::Str("import.same");
    case Presence::OtherBody:
        return res::Str("import.other");
    }
    return res::Str("import.absent");
}

} // namespace

CImportWindow::CImportWindow(DocumentModel &model, gui::Dialog *owner)
    : gui::Dialog(res::kIdImportDialog, owner), model_(model),
      file_(control<gui::Label>(res::kIdImportFile)),
      filter_(control<gui::Edit>(res::kIdImportFilter)),
      list_(control<gui::ReportList>(res::kIdImportList)),
      count_(control<gui::Label>(res::kIdImportCount)) {
    setColumns();
    list_->setSource(this);
    filter_->setOnChanged([this] { applyFilter(); });
    // What this file holds decides the last column: it follows every change while shown.
    changed_ = model_.changed.connect([this] {
        if (isVisible() && other_.IsFileOpen()) listEntries();
    });
}

void CImportWindow::setColumns() {
    list_->setColumns({res::Str("import.kind"), res::Str("list.registryId"), res::Str("list.name"),
                       res::Str("import.thisFile")});
}

void CImportWindow::onLanguageChanged() {
    setColumns();
    if (other_.IsFileOpen()) {
        file_->setText(res::Format("import.from", {other_.openedPath}));
        applyFilter();
    }
}

void CImportWindow::showEntriesOf(const std::u16string &path) {
    Document other;
    other.openedPath = path;
    LoadOpenedFile(other, false);
    if (other.openedFileUnread) return;
    other_ = std::move(other);
    file_->setText(res::Format("import.from", {path}));
    listEntries();
    show();
}

void CImportWindow::listEntries() {
    rows_.clear();
    for (ImportableEntry &entry : ImportableEntries(model_.document, other_)) {
        Row row{std::move(entry), {}, {}};
        row.id = ToWide(row.entry.id);
        row.name = ToWide(row.entry.name);
        rows_.push_back(std::move(row));
    }
    applyFilter();
}

void CImportWindow::applyFilter() {
    const std::u16string part = filter_->text();
    shown_.clear();
    for (size_t i = 0; i < rows_.size(); ++i)
        if (gui::ContainsIgnoringCase(rows_[i].id, part) ||
            gui::ContainsIgnoringCase(rows_[i].name, part))
            shown_.push_back(i);
    list_->reset();
    count_->setText(res::Format("import.count", {Decimal(rows_.size()), Decimal(shown_.size())}));
}

std::u16string CImportWindow::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount()) return {};
    const Row &shown = rows_[shown_[size_t(row)]];
    switch (column) {
    case 0:
        return KindName(shown.entry.kind);
    case 1:
        return shown.id;
    case 2:
        return shown.name;
    default:
        return PresenceText(shown.entry.presence);
    }
}

void CImportWindow::onCommand(int id) {
    if (id == res::kIdImportOk) importSelected();
    if (id == res::kIdImportClose) hide();
}

void CImportWindow::importSelected() {
    if (!model_.document.IsFileOpen()) {
        platform::ShowAppMessage(res::Str("save.nothingOpen"));
        return;
    }
    std::vector<EntryRef> picked;
    std::vector<std::u16string> ids;
    for (int row : list_->selectedRows()) {
        if (row < 0 || row >= rowCount()) continue;
        const Row &chosen = rows_[shown_[size_t(row)]];
        picked.push_back({chosen.entry.kind, chosen.entry.id});
        ids.push_back(chosen.id);
    }
    if (picked.empty()) {
        platform::ShowAppMessage(res::Str("import.noneChosen"));
        return;
    }
    std::vector<ImportedEntry> imported;
    model_.Edit(StepName("step.import", res::Str("kind.entry"), ids),
                [&] { imported = ImportEntries(model_.document, other_, picked); });
    // Every window lists the imported entries now.
    model_.Refill();
    platform::ShowAppMessage(ImportSummary(imported));
}
