#pragma once
// 文件 → 导入条目...: the entries of another AI file in a list (kind, ID, name, and whether this
// file has that ID already), filtered and picked several at once; 导入 brings them with what they
// use into the document as one undo step (document/importentries.h does the work).

#include "core/document.h"
#include "document/importentries.h"
#include "gui/controls.h"
#include "gui/dialog.h"
#include "ui/signal.h"

#include <string>
#include <vector>

class DocumentModel;

class CImportWindow : public gui::Dialog, private gui::RowSource {
public:
    CImportWindow(DocumentModel &model, gui::Dialog *owner);

    // Reads the file at `path` as Open reads one, its include files too, and shows its entries.
    // A file that could not be read is told by the load, and the window stays as it was.
    void showEntriesOf(const std::u16string &path);

protected:
    void onCommand(int id) override;
    void onLanguageChanged() override;

private:
    // The list's headers in the current language.
    void setColumns();
    int rowCount() const override { return int(shown_.size()); }
    std::u16string cellText(int row, int column) const override;

    // The rows again from both documents, as this one now stands; the filter and the list follow.
    void listEntries();
    void applyFilter();
    void importSelected();

    struct Row {
        ImportableEntry entry;
        std::u16string id, name; // as the list shows them
    };

    DocumentModel &model_;
    gui::Label *file_;
    gui::Edit *filter_;
    gui::ReportList *list_;
    gui::Label *count_;
    Document other_;
    std::vector<Row> rows_;
    std::vector<size_t> shown_; // the rows the filter lets through
    Signal::Connection changed_;
};
