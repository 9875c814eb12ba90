#include "gui/win32/internal.h"

#include "res/text.h"

#include <algorithm>
#include <numeric>

namespace gui::win32 {

namespace {

using platform::Answer;
using platform::ReportTable;

enum : int { kRefresh = 100, kText = 101, kTable = 102 };

// A long text, or the summary of a report above its findings: sortable by any column, a
// double-click or Enter on a row tells the report's owner which finding it is. Modal with its
// request's buttons, or modeless with 刷新 when the request can refresh itself.
class ReportWindow {
public:
    ReportWindow(const platform::MessageBoxRequest &request, HWND owner)
        : request_(request), modeless_(bool(request.refresh)) {
        TemplateWriter writer;
        writer.header(0,
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN |
                          DS_SHELLFONT | DS_CENTER,
                      {0, 0, 480, 320}, request.caption, 9);
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), writer.data(), owner, Proc,
                                   reinterpret_cast<LPARAM>(this));
    }
    ~ReportWindow() {
        if (!modeless_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    }
    ReportWindow(const ReportWindow &) = delete;
    ReportWindow &operator=(const ReportWindow &) = delete;

    HWND hwnd() const { return hwnd_; }
    bool saved() const { return saved_; }
    // Runs the window modally until a button or the close box ends it.
    void exec() {
        running_ = true;
        {
            ModalScope modal(hwnd_);
            ShowWindow(hwnd_, SW_SHOW);
            RunModalLoop(running_);
        }
        ShowWindow(hwnd_, SW_HIDE);
    }

    // The one modeless report open; a second request replaces it.
    static ReportWindow *open;

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
            auto *self = reinterpret_cast<ReportWindow *>(lParam);
            self->hwnd_ = hwnd;
            self->create();
            return FALSE;
        }
        auto *self = reinterpret_cast<ReportWindow *>(GetWindowLongPtrW(hwnd, DWLP_USER));
        return self ? self->handle(message, wParam, lParam) : FALSE;
    }

    HWND child(const wchar_t *className, const std::u16string &text, DWORD style, int id,
               DWORD exStyle = 0) {
        HWND window = CreateWindowExW(exStyle, className, Wide(text), WS_CHILD | style, 0, 0, 0, 0,
                                      hwnd_, reinterpret_cast<HMENU>(INT_PTR(id)),
                                      GetModuleHandleW(nullptr), nullptr);
        SendMessageW(window, WM_SETFONT, SendMessageW(hwnd_, WM_GETFONT, 0, 0), FALSE);
        return window;
    }

    // The children in the order assistive tools and Tab meet them; a hidden label before each
    // view gives its name.
    void create() {
        child(L"Static", request_.caption, SS_LEFT | SS_NOPREFIX, -1);
        text_ = child(L"Edit", {},
                      WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                          ES_AUTOVSCROLL,
                      kText, WS_EX_CLIENTEDGE);
        SendMessageW(text_, EM_SETLIMITTEXT, 0, 0);
        child(L"Static", res::Str("report.findings"), SS_LEFT | SS_NOPREFIX, -1);
        HWND table =
            child(WC_LISTVIEWW, {},
                  WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                  kTable, WS_EX_CLIENTEDGE);
        table_ = std::make_unique<ListView>(table, [this](int row, int column) {
            const auto &cells = findings_.rows[order_[size_t(row)]];
            return size_t(column) < cells.size() ? cells[size_t(column)] : std::u16string();
        });
        table_->wantedKeys = {VK_RETURN};
        table_->keyDown = [this, table](UINT vk) {
            if (vk != VK_RETURN) return false;
            activate(ListView_GetNextItem(table, -1, LVNI_FOCUSED));
            return true;
        };
        std::vector<std::pair<int, std::u16string>> buttons;
        if (modeless_) {
            buttons = {{kRefresh, res::Str("button.refresh")},
                       {IDCANCEL, res::Str("button.close")}};
        } else if (request_.buttons == platform::Buttons::SaveCancel) {
            buttons = {{IDOK, res::Str("button.save")}, {IDCANCEL, res::Str("button.cancel")}};
        } else {
            buttons = {{IDCANCEL, res::Str("button.close")}};
        }
        for (const auto &[id, text] : buttons) {
            const DWORD kind = buttons_.empty() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            buttons_.push_back(child(L"Button", text, WS_VISIBLE | WS_TABSTOP | kind, id));
        }
        // The first button takes Enter; Escape and the close box close.
        SendMessageW(hwnd_, DM_SETDEFID, buttons.front().first, 0);
        SetFocus(buttons_.front());
        show(request_.text, request_.table);
        SetWindowPos(hwnd_, nullptr, 0, 0, 820, 600, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        layout();
    }

    void show(const std::u16string &text, const ReportTable &findings) {
        hasTable_ = !findings.headers.empty();
        SetWindowTextW(text_, Wide(WithCrLf(hasTable_ ? findings.summary : text)));
        findings_ = findings;
        order_.resize(findings_.rows.size());
        std::iota(order_.begin(), order_.end(), size_t(0));
        sortColumn_ = -1;
        HWND table = table_->hwnd();
        ShowWindow(table, hasTable_ ? SW_SHOW : SW_HIDE);
        // Each column as wide as its widest cell.
        std::vector<int> widths;
        for (size_t column = 0; column < findings_.headers.size(); ++column) {
            int width = table_->textWidth(findings_.headers[column]);
            for (const auto &cells : findings_.rows)
                if (column < cells.size())
                    width = std::max(width, table_->textWidth(cells[column]));
            widths.push_back(width + ListView::kCellMargin);
        }
        table_->setColumns(findings_.headers, widths);
        ListView_SetItemState(table, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_SetItemCountEx(table, int(order_.size()), 0);
        layout();
    }

    void layout() {
        RECT client, unit = {7, 4, 50, 14};
        GetClientRect(hwnd_, &client);
        MapDialogRect(hwnd_, &unit);
        const int margin = unit.left, gap = unit.top, width = unit.right, height = unit.bottom;
        const int buttonsTop = client.bottom - margin - height;
        int x = client.right - margin - int(buttons_.size()) * (width + gap) + gap;
        for (HWND button : buttons_) {
            MoveWindow(button, x, buttonsTop, width, height, TRUE);
            x += width + gap;
        }
        const int contentWidth = client.right - 2 * margin;
        const int contentHeight = std::max(buttonsTop - gap - margin, 0);
        if (!hasTable_) {
            MoveWindow(text_, margin, margin, contentWidth, contentHeight, TRUE);
            return;
        }
        const int textHeight = contentHeight * 2 / 5;
        MoveWindow(text_, margin, margin, contentWidth, textHeight, TRUE);
        MoveWindow(table_->hwnd(), margin, margin + textHeight + gap, contentWidth,
                   std::max(contentHeight - textHeight - gap, 0), TRUE);
    }

    void sortBy(int column) {
        HWND table = table_->hwnd();
        const int current = ListView_GetNextItem(table, -1, LVNI_SELECTED);
        const size_t selected = current >= 0 ? order_[size_t(current)] : order_.size();
        descending_ = column == sortColumn_ && !descending_;
        sortColumn_ = column;
        auto cell = [this, column](size_t row) {
            const auto &cells = findings_.rows[row];
            return size_t(column) < cells.size() ? cells[size_t(column)] : std::u16string();
        };
        std::stable_sort(order_.begin(), order_.end(), [&](size_t a, size_t b) {
            return descending_ ? cell(b) < cell(a) : cell(a) < cell(b);
        });
        HWND header = ListView_GetHeader(table);
        for (int i = 0; i < Header_GetItemCount(header); ++i) {
            HDITEMW item = {};
            item.mask = HDI_FORMAT;
            Header_GetItem(header, i, &item);
            item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
            if (i == column) item.fmt |= descending_ ? HDF_SORTDOWN : HDF_SORTUP;
            Header_SetItem(header, i, &item);
        }
        // The selected finding stays selected where it went.
        ListView_SetItemState(table, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        const auto moved = std::find(order_.begin(), order_.end(), selected);
        if (moved != order_.end()) {
            const int row = int(moved - order_.begin());
            ListView_SetItemState(table, row, LVIS_SELECTED | LVIS_FOCUSED,
                                  LVIS_SELECTED | LVIS_FOCUSED);
            ListView_EnsureVisible(table, row, FALSE);
        }
        InvalidateRect(table, nullptr, TRUE);
    }

    void activate(int shownRow) {
        if (shownRow >= 0 && size_t(shownRow) < order_.size() && findings_.activated)
            findings_.activated(order_[size_t(shownRow)]);
    }

    void finish() {
        if (modeless_) {
            DestroyWindow(hwnd_);
        } else {
            running_ = false;
        }
    }

    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
            case IDOK:
                saved_ = true;
                finish();
                break;
            case IDCANCEL:
                finish();
                break;
            case kRefresh:
                show({}, request_.refresh());
                break;
            }
            return TRUE;
        case WM_CLOSE:
            finish();
            return TRUE;
        case WM_SIZE:
            layout();
            return TRUE;
        case WM_NOTIFY: {
            const auto &header = *reinterpret_cast<const NMHDR *>(lParam);
            if (header.idFrom != kTable) return FALSE;
            LRESULT result = 0;
            if (header.code == NM_DBLCLK) {
                activate(reinterpret_cast<const NMITEMACTIVATE &>(header).iItem);
            } else if (header.code == LVN_COLUMNCLICK) {
                sortBy(reinterpret_cast<const NMLISTVIEW &>(header).iSubItem);
            } else if (!table_->notify(header, result)) {
                return FALSE;
            }
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
            return TRUE;
        }
        case WM_NCDESTROY:
            if (modeless_) {
                if (open == this) open = nullptr;
                delete this;
            }
            return FALSE;
        }
        return FALSE;
    }

    platform::MessageBoxRequest request_;
    bool modeless_;
    HWND hwnd_ = nullptr;
    HWND text_ = nullptr;
    std::unique_ptr<ListView> table_;
    bool hasTable_ = false;
    std::vector<HWND> buttons_;
    ReportTable findings_;
    // The finding shown in each row.
    std::vector<size_t> order_;
    int sortColumn_ = -1;
    bool descending_ = false;
    bool running_ = false;
    bool saved_ = false;
};

ReportWindow *ReportWindow::open = nullptr;

} // namespace

Answer ShowReport(const platform::MessageBoxRequest &request, HWND owner) {
    if (request.refresh) {
        if (ReportWindow::open) DestroyWindow(ReportWindow::open->hwnd());
        auto *window = new ReportWindow(request, owner);
        ReportWindow::open = window;
        ShowWindow(window->hwnd(), SW_SHOW);
        return Answer::Ok;
    }
    ReportWindow window(request, owner);
    window.exec();
    if (request.buttons != platform::Buttons::SaveCancel) return Answer::Ok;
    return window.saved() ? Answer::Save : Answer::Cancel;
}

} // namespace gui::win32
