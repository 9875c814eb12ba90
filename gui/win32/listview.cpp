#include "gui/win32/internal.h"

#include <windowsx.h>

#include <algorithm>

namespace gui::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view start) {
    return text.size() >= start.size() && ContainsIgnoringCase(text.substr(0, start.size()), start);
}

} // namespace

ListView::ListView(HWND list, CellText cellText) : list_(list), cellText_(std::move(cellText)) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES |
                                                LVS_EX_DOUBLEBUFFER);
    SetWindowSubclass(list, Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    // One tool over the cell under the pointer, moved as the pointer moves.
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, GetAncestor(list, GA_ROOT), nullptr,
                           nullptr, nullptr);
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = list;
    tool.uId = 1;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN) / 2);
}

ListView::~ListView() {
    RemoveWindowSubclass(list_, Subclass, kSubclassId);
    if (IsWindow(tip_)) DestroyWindow(tip_);
}

void ListView::setColumns(const std::vector<std::u16string> &headers,
                          const std::vector<int> &widths) {
    while (ListView_DeleteColumn(list_, 0)) {
    }
    for (size_t i = 0; i < headers.size(); ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
        column.fmt = LVCFMT_LEFT;
        column.cx = i < widths.size() ? widths[i] : 0;
        column.pszText = const_cast<wchar_t *>(Wide(headers[i]));
        SendMessageW(list_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    fitLastColumn();
}

int ListView::columnCount() const { return Header_GetItemCount(ListView_GetHeader(list_)); }

int ListView::textWidth(const std::u16string &text) const {
    return int(SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(Wide(text))));
}

bool ListView::notify(const NMHDR &header, LRESULT &result) {
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        LVITEMW &item = reinterpret_cast<NMLVDISPINFOW &>(const_cast<NMHDR &>(header)).item;
        if ((item.mask & LVIF_TEXT) && item.cchTextMax > 0) {
            const std::u16string text = cellText_(item.iItem, item.iSubItem);
            const size_t length = std::min(text.size(), size_t(item.cchTextMax - 1));
            std::copy_n(text.begin(), length, reinterpret_cast<char16_t *>(item.pszText));
            item.pszText[length] = L'\0';
        }
        result = 0;
        return true;
    }
    case LVN_ODFINDITEMW: {
        // Typing in the list goes to the next row whose first cell starts with what was typed.
        const auto &find = reinterpret_cast<const NMLVFINDITEMW &>(header);
        result = -1;
        if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !find.lvfi.psz) return true;
        const std::u16string typed = FromWide(find.lvfi.psz);
        const int rows = ListView_GetItemCount(list_);
        const int start = std::clamp(find.iStart, 0, rows);
        const int tries = (find.lvfi.flags & LVFI_WRAP) ? rows : rows - start;
        for (int i = 0; i < tries; ++i) {
            const int row = (start + i) % rows;
            if (StartsWithIgnoringCase(cellText_(row, 0), typed)) {
                result = row;
                break;
            }
        }
        return true;
    }
    }
    return false;
}

LRESULT CALLBACK ListView::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR data) {
    auto *self = reinterpret_cast<ListView *>(data);
    switch (message) {
    case WM_KEYDOWN:
        if (self->keyDown && self->keyDown(UINT(wParam))) return 0;
        break;
    case WM_GETDLGCODE:
        if (lParam) {
            const auto *msg = reinterpret_cast<const MSG *>(lParam);
            const auto &wanted = self->wantedKeys;
            if (msg->message == WM_KEYDOWN &&
                std::find(wanted.begin(), wanted.end(), UINT(msg->wParam)) != wanted.end())
                return DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTMESSAGE;
        }
        break;
    case WM_MOUSEMOVE:
        self->trackTip({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_NOTIFY: {
        const auto &header = *reinterpret_cast<const NMHDR *>(lParam);
        if (header.hwndFrom != self->tip_ || header.code != TTN_GETDISPINFOW) break;
        auto &info = *reinterpret_cast<NMTTDISPINFOW *>(lParam);
        info.lpszText = const_cast<wchar_t *>(Wide(self->tipText_));
        return 0;
    }
    case WM_SIZE: {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        self->fitLastColumn();
        return result;
    }
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void ListView::trackTip(POINT point) {
    LVHITTESTINFO hit = {};
    hit.pt = point;
    ListView_SubItemHitTest(list_, &hit);
    const int row = (hit.flags & LVHT_ONITEM) ? hit.iItem : -1;
    const int column = row >= 0 ? hit.iSubItem : -1;
    if (row == tipRow_ && column == tipColumn_) return;
    tipRow_ = row;
    tipColumn_ = column;
    SendMessageW(tip_, TTM_POP, 0, 0);
    // The tool covers the cell; it has a text only when the column cuts the cell's text.
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = list_;
    tool.uId = 1;
    tipText_.clear();
    if (row >= 0) {
        ListView_GetSubItemRect(list_, row, column, LVIR_LABEL, &tool.rect);
        std::u16string text = cellText_(row, column);
        if (textWidth(text) + kCellMargin > tool.rect.right - tool.rect.left)
            tipText_ = std::move(text);
    }
    SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ListView::fitLastColumn() {
    const int columns = columnCount();
    if (columns > 0) ListView_SetColumnWidth(list_, columns - 1, LVSCW_AUTOSIZE_USEHEADER);
}

} // namespace gui::win32
