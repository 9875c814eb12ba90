#include "gui/win32/internal.h"
#include "res/text.h"

#include <richedit.h>

#include <algorithm>
#include <stdexcept>

namespace gui::win32 {

namespace {

// Room for a ten-character ID such as "0CE4CA3C-G" in every column but the last.
const std::u16string kWidestId = u"0CE4CA3C-GW";

template <class Interface> class Handle : public Interface, public ControlPeer {
public:
    explicit Handle(HWND window) : window_(window) {}
    Control &handle() override { return *this; }
    HWND window() const override { return window_; }
    void setEnabled(bool enabled) override { EnableWindow(window_, enabled); }
    bool isEnabled() const override { return IsWindowEnabled(window_) != FALSE; }
    void setFocus() override { FocusControl(window_); }

protected:
    HWND window_;
};

class LabelHandle final : public Handle<Label> {
public:
    using Handle::Handle;
    std::u16string text() const override { return WindowText(window_); }
    void setText(const std::u16string &text) override { SetWindowTextW(window_, Wide(text)); }
};

// A push button or check box: a click is a command of the dialog's.
template <class Interface> class ButtonHandle : public Handle<Interface> {
public:
    ButtonHandle(HWND window, Dialog &dialog, int id)
        : Handle<Interface>(window), dialog_(dialog), id_(id) {}
    void command(int code) override {
        if (code == BN_CLICKED) DialogEvents::Command(dialog_, id_);
    }

private:
    Dialog &dialog_;
    int id_;
};

class CheckBoxHandle final : public ButtonHandle<CheckBox> {
public:
    using ButtonHandle::ButtonHandle;
    bool isChecked() const override {
        return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void setChecked(bool checked) override {
        SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
};

class EditHandle final : public Handle<Edit> {
public:
    EditHandle(HWND window, const res::Control &control)
        : Handle(window), search_((control.style & res::kSearchField) != 0) {
        if (search_) {
            const std::u16string cue(res::Str(control.text));
            // Shown while the field is empty, with the focus too.
            SendMessageW(window, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(Wide(cue)));
        }
    }
    std::u16string text() const override { return WindowText(window_); }
    void setText(const std::u16string &text) override {
        if (text != this->text()) SetWindowTextW(window_, Wide(text));
    }
    void selectAll() override { SendMessageW(window_, EM_SETSEL, 0, -1); }
    void setOnChanged(std::function<void()> changed) override { changed_ = std::move(changed); }
    void command(int code) override {
        if (code == EN_CHANGE && changed_) changed_();
    }
    KeyRoute route(UINT vk) override {
        if (!search_ || vk != VK_ESCAPE || GetWindowTextLengthW(window_) == 0)
            return KeyRoute::Dialog;
        SetWindowTextW(window_, L"");
        return KeyRoute::Consumed;
    }
    bool isSearchField() const override { return search_; }

private:
    bool search_;
    std::function<void()> changed_;
};

// Tab moves the focus on, as in the rest of the dialog, instead of going into the text.
LRESULT CALLBACK TextAreaKeys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    if (message == WM_GETDLGCODE && lParam) {
        const auto *msg = reinterpret_cast<const MSG *>(lParam);
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB)
            return DefSubclassProc(hwnd, message, wParam, 0) &
                   ~(DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

class TextAreaHandle final : public Handle<TextArea> {
public:
    explicit TextAreaHandle(HWND window) : Handle(window) {
        // Plain text with an undo history of many steps; set while the field is still empty.
        SendMessageW(window, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE,
                     0);
        SendMessageW(window, WM_SETFONT, SendMessageW(GetParent(window), WM_GETFONT, 0, 0), FALSE);
        // Typing is not cut off at the default 32,767 characters.
        SendMessageW(window, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
        SendMessageW(window, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
        SetWindowSubclass(window, TextAreaKeys, 1, 0);
    }
    ~TextAreaHandle() override { RemoveWindowSubclass(window_, TextAreaKeys, 1); }

    std::u16string text() const override { return WithLf(WindowText(window_)); }
    void setText(const std::u16string &text) override {
        SetWindowTextW(window_, Wide(WithCrLf(text)));
        SendMessageW(window_, EM_EMPTYUNDOBUFFER, 0, 0);
    }
    void replaceText(const std::u16string &text) override {
        SendMessageW(window_, EM_STOPGROUPTYPING, 0, 0);
        SendMessageW(window_, EM_SETSEL, 0, -1);
        SendMessageW(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(WithCrLf(text))));
    }
    int caretLine() const override {
        CHARRANGE selection = {};
        SendMessageW(window_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
        const std::wstring before = textTo(selection.cpMax);
        return int(std::count(before.begin(), before.end(), L'\r'));
    }
    void setCaretLine(int line) override {
        // Lines as the text has them, not as the field wraps them.
        const std::wstring text = textTo(-1);
        LONG end = 0;
        for (int at = 0; end < LONG(text.size()); ++end)
            if (text[size_t(end)] == L'\r' && at++ >= line) break;
        CHARRANGE caret = {end, end};
        SendMessageW(window_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
        SendMessageW(window_, EM_SCROLLCARET, 0, 0);
    }
    void selectInLine(int line, int from, int to) override {
        const std::wstring text = textTo(-1);
        LONG start = 0;
        for (int at = 0; at < line && start < LONG(text.size()); ++start)
            if (text[size_t(start)] == L'\r') ++at;
        LONG end = start;
        while (end < LONG(text.size()) && text[size_t(end)] != L'\r')
            ++end;
        CHARRANGE range = {std::min(start + from, end), std::min(start + to, end)};
        SendMessageW(window_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
        SendMessageW(window_, EM_SCROLLCARET, 0, 0);
    }
    void setOnCaretMoved(std::function<void()> moved) override { moved_ = std::move(moved); }
    void command(int code) override {
        if (code == EN_CHANGE && moved_) moved_();
    }
    bool notify(const NMHDR &header, LRESULT &result) override {
        if (header.code != EN_SELCHANGE) return false;
        if (moved_) moved_();
        result = 0;
        return true;
    }
    KeyRoute route(UINT vk) override {
        return vk == VK_RETURN ? KeyRoute::Control : KeyRoute::Dialog;
    }

private:
    // The text up to character `end` (-1: all) as the field holds it, each line break one CR.
    std::wstring textTo(LONG end) const {
        std::wstring text(size_t(GetWindowTextLengthW(window_)) + 1, L'\0');
        TEXTRANGEW range = {{0, end}, text.data()};
        text.resize(
            size_t(SendMessageW(window_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range))));
        return text;
    }

    std::function<void()> moved_;
};

// Private notifications the box posts to itself: the list it filtered has closed; a choice has
// been told.
constexpr WORD kFilteredListClosed = 0x7FF0;
constexpr WORD kChoiceTold = 0x7FF1;

class ComboBoxHandle final : public Handle<ComboBox> {
public:
    ComboBoxHandle(HWND window, const res::Control &control)
        : Handle(window), sorted_((control.style & res::kSorted) != 0),
          filterAsTyped_((control.style & res::kFilterAsTyped) != 0) {
        std::vector<std::u16string> items;
        for (std::string_view item : control.items)
            items.emplace_back(res::Str(item));
        setItems(std::move(items));
    }
    std::u16string text() const override { return WindowText(window_); }
    void setText(const std::u16string &text) override {
        const Quiet quiet(*this);
        SetWindowTextW(window_, Wide(text));
    }
    void setItems(std::vector<std::u16string> items) override {
        // Sorted here rather than by the control, so that every backend has the same order.
        if (sorted_) std::stable_sort(items.begin(), items.end(), SortsBefore);
        items_ = std::move(items);
        std::vector<int> all(items_.size());
        for (size_t i = 0; i < all.size(); ++i)
            all[i] = int(i);
        show(std::move(all));
    }
    // The items as given, whatever part of them a typed text shows.
    int itemCount() const override { return int(items_.size()); }
    std::u16string itemText(int index) const override {
        return index >= 0 && index < itemCount() ? items_[size_t(index)] : std::u16string();
    }
    void choose(int index) override {
        if (filtered_) setItems(std::move(items_));
        SendMessageW(window_, CB_SETCURSEL, WPARAM(index), 0);
    }
    void setOnChosen(std::function<void(int index)> chosen) override {
        chosen_ = std::move(chosen);
    }
    void command(int code) override {
        if (code == CBN_EDITCHANGE && !quiet_) {
            if (filterAsTyped_)
                filter();
            else
                offerMatches();
        }
        // Every item again when the user opens the list, or when the filtered one closes (put
        // back once it has closed, not while the box still works through the choice). The
        // box's own closing, for a text that no item holds, keeps the empty list.
        if (code == CBN_DROPDOWN && filtered_ && !quiet_) setItems(std::move(items_));
        if (code == CBN_CLOSEUP && filtered_ && !quiet_)
            PostMessageW(GetParent(window_), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(window_), kFilteredListClosed),
                         reinterpret_cast<LPARAM>(window_));
        if (code == kFilteredListClosed && filtered_ &&
            !SendMessageW(window_, CB_GETDROPPEDSTATE, 0, 0))
            setItems(std::move(items_));
        // The control puts the item's whole text into its edit field only after it told of the
        // choice; the text the program left there then (an ID, or nothing) is put back, as the
        // Qt backend shows it.
        if (code == kChoiceTold && text() != textAfterChoice_) setText(textAfterChoice_);
        if (code != CBN_SELENDOK || closing_) return;
        take(int(SendMessageW(window_, CB_GETCURSEL, 0, 0)));
    }
    KeyRoute route(UINT vk) override {
        if (!SendMessageW(window_, CB_GETDROPPEDSTATE, 0, 0)) return KeyRoute::Dialog;
        if (vk != VK_RETURN) return KeyRoute::Control;
        // Enter takes the marked item, as a click on it does, on every system alike.
        const int index = int(SendMessageW(window_, CB_GETCURSEL, 0, 0));
        closing_ = true;
        SendMessageW(window_, CB_SHOWDROPDOWN, FALSE, 0);
        closing_ = false;
        take(index);
        return KeyRoute::Consumed;
    }

private:
    // The item at `row` of the control's list chosen, as a click on it chooses it.
    void take(int row) {
        if (row < 0 || size_t(row) >= shown_.size()) return;
        const int item = shown_[size_t(row)];
        setText(items_[size_t(item)]);
        if (chosen_) chosen_(item);
        textAfterChoice_ = text();
        PostMessageW(GetParent(window_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window_), kChoiceTold),
                     reinterpret_cast<LPARAM>(window_));
    }

    // The box's own changes of its text are no typing.
    struct Quiet {
        explicit Quiet(ComboBoxHandle &box) : box_(box) { ++box_.quiet_; }
        ~Quiet() { --box_.quiet_; }
        Quiet(const Quiet &) = delete;
        Quiet &operator=(const Quiet &) = delete;
        ComboBoxHandle &box_;
    };

    // Fills the list with the items `shown`, keeping the edit field's text and selection.
    void show(std::vector<int> shown) {
        const Quiet quiet(*this);
        const std::u16string text = this->text();
        DWORD start = 0, end = 0;
        SendMessageW(window_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        filtered_ = shown.size() != items_.size();
        shown_ = std::move(shown);
        SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
        SendMessageW(window_, CB_RESETCONTENT, 0, 0);
        SendMessageW(window_, CB_INITSTORAGE, shown_.size(), 0);
        for (int item : shown_)
            SendMessageW(window_, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(Wide(items_[size_t(item)])));
        SetWindowTextW(window_, Wide(text));
        SendMessageW(window_, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
        SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window_, nullptr, TRUE);
    }

    // Lists the items that hold the typed text (Latin letters in either case), dropped down
    // under the field, and none when no item does.
    void filter() {
        const std::u16string typed = text();
        std::vector<int> matching;
        for (size_t i = 0; i < items_.size(); ++i)
            if (ContainsIgnoringCase(items_[i], typed)) matching.push_back(int(i));
        const bool any = !matching.empty();
        show(std::move(matching));
        const Quiet quiet(*this);
        DWORD start = 0, end = 0;
        SendMessageW(window_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        // Dropping the list selects the field's text; the typing goes on where it was.
        SendMessageW(window_, CB_SHOWDROPDOWN, any ? TRUE : FALSE, 0);
        SetWindowTextW(window_, Wide(typed));
        SendMessageW(window_, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
    }

    // Typing offers the items that start with the typed text: the list drops down, the first of
    // them marked and in sight (Enter takes it); the text stays what was typed. Nothing to offer:
    // the list goes up again.
    void offerMatches() {
        const std::u16string typed = text();
        const LRESULT first =
            typed.empty() ? CB_ERR
                          : SendMessageW(window_, CB_FINDSTRING, WPARAM(-1), LPARAM(Wide(typed)));
        const bool offered = first != CB_ERR;
        if (offered != (SendMessageW(window_, CB_GETDROPPEDSTATE, 0, 0) != 0)) {
            DWORD start = 0, end = 0;
            SendMessageW(window_, CB_GETEDITSEL, WPARAM(&start), LPARAM(&end));
            closing_ = true;
            SendMessageW(window_, CB_SHOWDROPDOWN, offered, 0);
            closing_ = false;
            // Dropping down may put the marked item into the field; the user's text goes back.
            if (text() != typed) SetWindowTextW(window_, Wide(typed));
            SendMessageW(window_, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
            // The pointer, hidden by typing, shows over the list.
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        }
        if (!offered) return;
        // Marked in the list alone: the list tells the box nothing of it.
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        GetComboBoxInfo(window_, &info);
        SendMessageW(info.hwndList, LB_SETCURSEL, WPARAM(first), 0);
    }

    bool sorted_;
    bool filterAsTyped_;
    std::vector<std::u16string> items_;
    std::vector<int> shown_; // the item of each row of the control's list
    bool filtered_ = false;
    int quiet_ = 0;
    bool closing_ = false; // the program closes the list: no choice of the user's
    std::function<void(int)> chosen_;
    std::u16string textAfterChoice_;
};

class ReportListHandle final : public Handle<ReportList> {
public:
    ReportListHandle(HWND window, Dialog &dialog, int id)
        : Handle(window), dialog_(dialog), id_(id),
          view_(window, [this](int row, int column) { return cellText(row, column); }) {
        view_.keyDown = [this](UINT vk) {
            return DialogEvents::ListKeyDown(dialog_, id_, KeyOf(vk));
        };
    }

    void setColumns(const std::vector<std::u16string> &headers) override {
        const int idWidth = view_.textWidth(kWidestId);
        std::vector<int> widths;
        for (const std::u16string &header : headers)
            widths.push_back(std::max(idWidth, view_.textWidth(header)) + ListView::kCellMargin);
        view_.setColumns(headers, widths);
    }
    void setSource(const RowSource *source) override {
        source_ = source;
        reset();
    }
    int rowCount() const override { return int(ListView_GetItemCount(window_)); }
    int columnCount() const override { return view_.columnCount(); }
    std::u16string cellText(int row, int column) const override {
        if (!source_ || row < 0 || row >= rowCount() || row >= source_->rowCount()) return {};
        return source_->cellText(row, column);
    }

    void reset() override {
        ListView_SetItemState(window_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetItemCountEx(window_, source_ ? source_->rowCount() : 0, 0);
        InvalidateRect(window_, nullptr, TRUE);
    }
    void rowsChanged(int first, int last) override { ListView_RedrawItems(window_, first, last); }

    std::vector<int> selectedRows() const override {
        std::vector<int> rows;
        for (int row = ListView_GetNextItem(window_, -1, LVNI_SELECTED); row >= 0;
             row = ListView_GetNextItem(window_, row, LVNI_SELECTED))
            rows.push_back(row);
        return rows;
    }
    int currentRow() const override { return ListView_GetNextItem(window_, -1, LVNI_FOCUSED); }
    void setSelection(const std::vector<int> &rows, int current) override {
        ListView_SetItemState(window_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int row : rows)
            ListView_SetItemState(window_, row, LVIS_SELECTED, LVIS_SELECTED);
        if (current >= 0) {
            ListView_SetItemState(window_, current, LVIS_FOCUSED, LVIS_FOCUSED);
            ListView_SetSelectionMark(window_, current);
        }
    }
    void scrollTo(int row) override { ListView_EnsureVisible(window_, row, FALSE); }
    void setOnActivated(std::function<void(int row)> activated) override {
        activated_ = std::move(activated);
    }

    bool notify(const NMHDR &header, LRESULT &result) override {
        switch (header.code) {
        case NM_CLICK:
            DialogEvents::ListClick(dialog_, id_);
            return true;
        case NM_DBLCLK: {
            const int row = reinterpret_cast<const NMITEMACTIVATE &>(header).iItem;
            if (row >= 0 && activated_) activated_(row);
            return true;
        }
        }
        return view_.notify(header, result);
    }
    KeyRoute route(UINT vk) override {
        if (DialogEvents::ListKeyDown(dialog_, id_, KeyOf(vk))) return KeyRoute::Consumed;
        const int current = currentRow();
        if (vk == VK_RETURN && current >= 0 && activated_) activated_(current);
        return KeyRoute::Dialog;
    }

private:
    Dialog &dialog_;
    int id_;
    ListView view_;
    const RowSource *source_ = nullptr;
    std::function<void(int)> activated_;
};

} // namespace

std::u16string WithCrLf(const std::u16string &text) {
    std::u16string result;
    result.reserve(text.size());
    for (char16_t c : text) {
        if (c == u'\n') result += u'\r';
        result += c;
    }
    return result;
}

std::u16string WithLf(const std::u16string &text) {
    std::u16string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r') {
            result += text[i];
        } else if (i + 1 == text.size() || text[i + 1] != u'\n') {
            result += u'\n';
        }
    }
    return result;
}

std::unique_ptr<ControlPeer> MakeControlPeer(HWND window, const res::Control &control,
                                             Dialog &dialog) {
    switch (control.kind) {
    case res::Kind::Static:
        return std::make_unique<LabelHandle>(window);
    case res::Kind::Edit:
        return std::make_unique<EditHandle>(window, control);
    case res::Kind::TextArea:
        return std::make_unique<TextAreaHandle>(window);
    case res::Kind::Button:
        return std::make_unique<ButtonHandle<Button>>(window, dialog, control.id);
    case res::Kind::CheckBox:
        return std::make_unique<CheckBoxHandle>(window, dialog, control.id);
    case res::Kind::ComboBox:
        return std::make_unique<ComboBoxHandle>(window, control);
    case res::Kind::List:
        return std::make_unique<ReportListHandle>(window, dialog, control.id);
    }
    throw std::logic_error("unknown control kind");
}

} // namespace gui::win32
