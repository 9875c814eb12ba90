#include "ui/entrytextwindow.h"

#include "core/initext.h"
#include "res/text.h"
#include "ui/documentmodel.h"
#include "ui/editorwindows.h"

#include <vector>

EntryTextWindow::EntryTextWindow(const EntryWindowKind &kind, DocumentModel &model,
                                 gui::Dialog *owner)
    : gui::Dialog(kind.templateId, owner), kind_(kind), model_(model),
      title_(control<gui::Label>(kind.titleId)), text_(control<gui::TextArea>(kind.textId)),
      explanation_(control<gui::Label>(kind.explanationId)),
      insertBox_(control<gui::ComboBox>(kind.insertId)),
      pane_(control<gui::ReportList>(kind.listId), model.document,
            {.showRow = [this](int row) { showRow(row); },
             .pendingRow = kind.pendingRow,
             .filter = control<gui::Edit>(kind.filterId)}),
      usage_(control<gui::Label>(kind.usageCaptionId), control<gui::ReportList>(kind.usageId),
             "usage.teams", OpenTeam),
      titleId_(title_->text()) {
    if (insertBox_) {
        fillInsertItems();
        insertBox_->setOnChosen([this](int item) { insertLine(item); });
        actionsChanged_ = model_.actionsChanged.connect([this] {
            itemsNamesVersion_ = -1;
            fillInsertItems();
        });
    }
    text_->setOnCaretMoved([this] { explainCaretLine(); });
    setShown(false);
    restored_ = model_.restored.connect([this] { refresh(); });
    // Teams that change what they name change the list of the shown entry; the lists and the
    // rules file, what a line means.
    changed_ = model_.changed.connect([this] {
        showUsage();
        explainCaretLine();
        fillInsertItems();
    });
}

void EntryTextWindow::fillInsertItems() {
    if (!insertBox_ || itemsNamesVersion_ == model_.namesVersion) return;
    itemsNamesVersion_ = model_.namesVersion;
    insertBox_->setItems(kind_.insertItems(model_));
}

void EntryTextWindow::explainCaretLine() {
    explanation_->setText(titleId_.empty()
                              ? std::u16string()
                              : kind_.explain(text_->text(), text_->caretLine(), model_));
}

void EntryTextWindow::insertLine(int item) {
    if (!shown_) return;
    const InsertedLine inserted = kind_.insert(text_->text(), text_->caretLine(), item, model_);
    text_->replaceText(inserted.text);
    // The box reads as a menu again, and typing goes on in the new line.
    insertBox_->setText({});
    if (inserted.selectFrom >= 0)
        text_->selectInLine(inserted.line, inserted.selectFrom, inserted.selectTo);
    else
        text_->setCaretLine(inserted.line);
    text_->setFocus();
}

void EntryTextWindow::showUsage() {
    if (titleId_.empty() || !model_.document.IsFileOpen()) {
        usage_.Clear();
        return;
    }
    usage_.Show(model_.usage().UsersOf(kind_.usedKind, ToNarrow(titleId_)));
}

std::string &EntryTextWindow::listText() const { return model_.document.*kind_.listText; }

std::string &EntryTextWindow::sectionsText() const { return model_.document.*kind_.sectionsText; }

void EntryTextWindow::refresh() {
    pane_.Clear();
    if (!pane_.FillPending()) return;
    pane_.FillEntryList(listText(), sectionsText());
    if (const int row = pane_.SelectEntry(titleId_); shown_ && row >= 0) {
        showRow(row);
    } else {
        text_->setText({});
        setTitle({});
        setShown(false);
    }
}

void EntryTextWindow::setShown(bool shown) {
    shown_ = shown;
    for (int id : {kind_.copyId, kind_.renameId})
        control(id)->setEnabled(shown);
    if (insertBox_) insertBox_->setEnabled(shown);
}

void EntryTextWindow::onActivate() { pane_.MakeColumns(); }

void EntryTextWindow::onShowOrHide(bool) {
    if (pane_.FillPending()) pane_.FillEntryList(listText(), sectionsText());
    pane_.JumpToEntry(*kind_.jumpPending, *kind_.jumpTarget);
}

void EntryTextWindow::onMouseMove() { pane_.AppendPendingRow(); }

void EntryTextWindow::onListClick(int) { pane_.ShowSelectedEntry(); }

bool EntryTextWindow::onListKeyDown(int, gui::Key) {
    // Every key shows the row selected before the key moves the selection.
    pane_.ShowSelectedEntry();
    return false;
}

void EntryTextWindow::onCommand(int id) {
    if (id == kind_.newId) {
        NewEntry();
    } else if (id == kind_.tidyId) {
        TidyEntryText();
    } else if (id == kind_.saveId) {
        SaveEntryText();
    } else if (id == kind_.deleteId) {
        DeleteSelectedEntries();
    } else if (id == kind_.copyId) {
        NewEntry(titleId_);
    } else if (id == kind_.renameId) {
        RenameEntry();
    } else if (id == kind_.closeId) {
        reject();
    }
}

void EntryTextWindow::showRow(int row) {
    const std::u16string id = pane_.idOf(row);
    text_->setText(ToWide(EntrySectionOf(sectionsText(), ToNarrow(id))));
    setTitle(id);
    setShown(true);
}

void EntryTextWindow::setTitle(const std::u16string &id, const std::u16string &note) {
    const bool other = id != titleId_;
    titleId_ = id;
    title_->setText(note.empty() ? id : id + u"：" + note);
    if (other) {
        showUsage();
        explainCaretLine();
    }
}

void EntryTextWindow::onLanguageChanged() {
    pane_.SetHeaders(RegistryColumns());
    usage_.SetColumns();
    itemsNamesVersion_ = -1;
    fillInsertItems();
    explainCaretLine();
}

void EntryTextWindow::SaveEntryText() {
    SaveResult result{SaveOutcome::NoSection, {}};
    model_.Edit(StepName("step.save", res::Str(kind_.kindName), {titleId_}), [&] {
        result = SaveEntrySection(sectionsText(), ToNarrow(titleId_), ToNarrow(text_->text()));
    });
    switch (result.outcome) {
    case SaveOutcome::Saved:
        pane_.SetComment(titleId_, ToWide(result.comment));
        setTitle(titleId_);
        if (kind_.saveRaisesListChanged) *kind_.listChanged = true;
        break;
    case SaveOutcome::NoSection:
        setTitle(titleId_, res::Str("entryText.notFound"));
        break;
    case SaveOutcome::NotASection:
        setTitle(titleId_, res::Str("entryText.notASection"));
        break;
    case SaveOutcome::OtherId:
        setTitle(titleId_, res::Str("entryText.otherId"));
        break;
    }
}

void EntryTextWindow::TidyEntryText() {
    const std::u16string field = text_->text();
    const std::u16string tidy =
        ToWide(::TidyEntryText(ToNarrow(titleId_), ToNarrow(field), kind_.text));
    if (tidy != field) text_->replaceText(tidy);
}

void EntryTextWindow::DeleteSelectedEntries() {
    std::vector<RegistryEntry> doomed;
    std::vector<std::u16string> ids;
    pane_.DeleteSelectedRows([this, &doomed, &ids](int row) {
        ids.push_back(pane_.idOf(row));
        doomed.push_back({ToNarrow(pane_.cell(row, 0)), ToNarrow(ids.back())});
    });
    if (doomed.empty()) return;
    const int start = model_.document.startNumber;
    model_.Edit(StepName("step.delete", res::Str(kind_.kindName), ids), [&] {
        EntryTexts texts = DeleteEntryTexts(listText(), sectionsText(), doomed, start, kind_.text);
        listText() = std::move(texts.listText);
        sectionsText() = std::move(texts.sectionsText);
    });
    pane_.Renumber(start);
    *kind_.listChanged = true;
}

void EntryTextWindow::NewEntry(const std::u16string &copyOf) {
    kind_.pendingRow->rowIndex = pane_.rowCount();
    g_addNewKind = kind_.addNewKind;
    g_addNewPreset = true;
    g_addNewCopyOf = copyOf;
    // Hidden first, so that its show handling picks the kind even when it is open already.
    HideAndShow(g_addNewWindow);
}

void EntryTextWindow::RenameEntry() {
    const std::optional<std::u16string> to =
        kind_.rename(model_, res::Str(kind_.kindName), titleId_, this);
    if (!to) return;
    // Every window shows the names as they now stand; this one the renamed entry.
    titleId_ = *to;
    model_.Refill();
}
