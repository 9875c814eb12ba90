#include "app/importwindow.h"

#include "core/initext.h"
#include "document/documentio.h"
#include "platform/seams.h"
#include "res/transferdialogs.h"
#include "ui/documentmodel.h"

namespace {

std::u16string Decimal(size_t n) { return ToWide(std::to_string(n)); }

std::u16string PresenceText(Presence presence) {
    switch (presence) {
    case Presence::Absent:
        break;
    case Presence::SameBody:
        return u"已有，相同";
    case Presence::OtherBody:
        return u"已有，不同";
    }
    return u"没有";
}

} // namespace

CImportWindow::CImportWindow(DocumentModel &model, gui::Dialog *owner)
    : gui::Dialog(res::kIdImportDialog, owner), model_(model),
      file_(control<gui::Label>(res::kIdImportFile)),
      filter_(control<gui::Edit>(res::kIdImportFilter)),
      list_(control<gui::ReportList>(res::kIdImportList)),
      count_(control<gui::Label>(res::kIdImportCount)) {
    list_->setColumns({u"种类", u"注册名称", u"注释", u"本文件"});
    list_->setSource(this);
    filter_->setOnChanged([this] { applyFilter(); });
    // What this file holds decides the last column: it follows every change while shown.
    changed_ = model_.changed.connect([this] {
        if (isVisible() && other_.IsFileOpen()) listEntries();
    });
}

void CImportWindow::showEntriesOf(const std::u16string &path) {
    Document other;
    other.openedPath = path;
    LoadOpenedFile(other, false);
    if (other.openedFileUnread) return;
    other_ = std::move(other);
    file_->setText(u"来自: " + path);
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
    count_->setText(u"共 " + Decimal(rows_.size()) + u" 个条目，显示 " + Decimal(shown_.size()) +
                    u" 个");
}

std::u16string CImportWindow::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount()) return {};
    const Row &shown = rows_[shown_[size_t(row)]];
    switch (column) {
    case 0:
        return std::u16string(KindName(shown.entry.kind));
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
        platform::ShowAppMessage(u"没检测到任何内容X_X");
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
        platform::ShowAppMessage(u"请先在列表中选择要导入的条目");
        return;
    }
    std::vector<ImportedEntry> imported;
    model_.Edit(StepName(u"导入", u"条目", ids),
                [&] { imported = ImportEntries(model_.document, other_, picked); });
    // Every window lists the imported entries now.
    model_.Refill();
    platform::ShowAppMessage(ImportSummary(imported));
}
