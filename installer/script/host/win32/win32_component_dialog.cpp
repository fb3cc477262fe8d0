// The component choice: a tree with check boxes, the chosen item's description, the space the
// checked leaves need and the free space of the drives in a fixed-pitch font.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "installer/languages/resource_numbers.h"
#include "installer/script/host/component_selection.h"
#include "installer/script/host/win32/win32_host_windows.h"

namespace aw {
namespace {

// Posted after a check box was clicked, once the tree has changed the box.
constexpr UINT kChecksChanged = WM_APP + 1;
constexpr int kFreeSpaceFontHeight = 9;

struct ComponentRun {
    const std::vector<ComponentItem*>& topLevel;
    const std::string& freeSpace;
    HWND tree = nullptr;
    HFONT font = nullptr;
};

bool Checked(HWND tree, HTREEITEM item) {
    return ((TreeView_GetItemState(tree, item, TVIS_STATEIMAGEMASK) >> 12) - 1) == 1;
}

void SetChecked(HWND tree, HTREEITEM item, bool checked) {
    TreeView_SetItemState(tree, item, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), TVIS_STATEIMAGEMASK);
}

ComponentItem* ItemOf(HWND tree, HTREEITEM item) {
    TVITEMA data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    TreeView_GetItem(tree, &data);
    return reinterpret_cast<ComponentItem*>(data.lParam);
}

// A group is checked while any of its leaves is.
bool Insert(HWND tree, HTREEITEM parent, ComponentItem* item) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(item->View.Name.c_str());
    insert.item.lParam = reinterpret_cast<LPARAM>(item);
    const HTREEITEM added = TreeView_InsertItem(tree, &insert);
    bool anyChecked = item->View.Leaf && item->Checked;
    for (ComponentItem* child : item->Children) {
        anyChecked = Insert(tree, added, child) || anyChecked;
    }
    SetChecked(tree, added, anyChecked);
    if (!item->View.Leaf && item->View.Third != 0) {
        TreeView_Expand(tree, added, TVE_EXPAND);
    }
    return anyChecked;
}

void CheckBelow(HWND tree, HTREEITEM item, bool checked) {
    for (HTREEITEM child = TreeView_GetChild(tree, item); child != nullptr;
         child = TreeView_GetNextSibling(tree, child)) {
        SetChecked(tree, child, checked);
        CheckBelow(tree, child, checked);
    }
}

std::uint64_t NeededKiB(HWND tree, HTREEITEM first) {
    std::uint64_t total = 0;
    for (HTREEITEM item = first; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
        const ComponentItem* component = ItemOf(tree, item);
        if (component->View.Leaf && Checked(tree, item) && component->View.FirstValue > 0) {
            total += static_cast<std::uint64_t>(component->View.FirstValue);
        }
        total += NeededKiB(tree, TreeView_GetChild(tree, item));
    }
    return total;
}

void ShowNeeded(HWND window, HWND tree) {
    char text[32];
    std::snprintf(text, sizeof text, "%lu K",
                  static_cast<unsigned long>(NeededKiB(tree, TreeView_GetRoot(tree))));
    SetDlgItemTextA(window, AW_ID_COMPONENTS_NEEDED, text);
}

void TakeChecks(HWND tree, HTREEITEM first) {
    for (HTREEITEM item = first; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
        ItemOf(tree, item)->Checked = Checked(tree, item);
        TakeChecks(tree, TreeView_GetChild(tree, item));
    }
}

void Initialise(HWND window, ComponentRun& run) {
    run.tree = GetDlgItem(window, AW_ID_COMPONENTS_TREE);
    // The check boxes' images exist only once the style is set on a live tree.
    SetWindowLongA(run.tree, GWL_STYLE, GetWindowLongA(run.tree, GWL_STYLE) | TVS_CHECKBOXES);
    for (ComponentItem* item : run.topLevel) {
        Insert(run.tree, TVI_ROOT, item);
    }
    run.font = CreateFontA(-kFreeSpaceFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           FIXED_PITCH | FF_MODERN, "Courier New");
    const HWND free = GetDlgItem(window, AW_ID_COMPONENTS_FREE);
    SendMessageA(free, WM_SETFONT, reinterpret_cast<WPARAM>(run.font), FALSE);
    SetWindowTextA(free, run.freeSpace.c_str());
    ShowNeeded(window, run.tree);
}

INT_PTR OnNotify(HWND window, ComponentRun& run, const NMHDR& header) {
    if (header.idFrom != AW_ID_COMPONENTS_TREE) {
        return FALSE;
    }
    if (header.code == TVN_SELCHANGEDA) {
        const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
        const ComponentItem* item = reinterpret_cast<ComponentItem*>(change.itemNew.lParam);
        SetDlgItemTextA(window, AW_ID_COMPONENTS_DESCRIPTION,
                        item != nullptr ? item->View.Description.c_str() : "");
    } else if (header.code == NM_CLICK || header.code == TVN_KEYDOWN) {
        TVHITTESTINFO hit{};
        GetCursorPos(&hit.pt);
        ScreenToClient(run.tree, &hit.pt);
        HTREEITEM item = TreeView_HitTest(run.tree, &hit);
        if (header.code == TVN_KEYDOWN) {
            item = TreeView_GetSelection(run.tree);
        } else if ((hit.flags & TVHT_ONITEMSTATEICON) == 0) {
            item = nullptr;
        }
        if (item != nullptr) {
            PostMessageA(window, kChecksChanged, 0, reinterpret_cast<LPARAM>(item));
        }
    }
    return FALSE;
}

INT_PTR CALLBACK ComponentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* run = reinterpret_cast<ComponentRun*>(GetWindowLongPtrA(window, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(window, DWLP_USER, lParam);
            Initialise(window, *reinterpret_cast<ComponentRun*>(lParam));
            return TRUE;
        case WM_NOTIFY:
            return OnNotify(window, *run, *reinterpret_cast<const NMHDR*>(lParam));
        case kChecksChanged: {
            const auto item = reinterpret_cast<HTREEITEM>(lParam);
            CheckBelow(run->tree, item, Checked(run->tree, item));
            ShowNeeded(window, run->tree);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                TakeChecks(run->tree, TreeView_GetRoot(run->tree));
            }
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(window, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        case WM_DESTROY:
            if (run != nullptr && run->font != nullptr) {
                DeleteObject(run->font);
                run->font = nullptr;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

bool RunComponentDialog(HINSTANCE resources, HWND owner,
                        const std::vector<ComponentItem*>& topLevel, const std::string& freeSpace) {
    static const bool commonControls = [] {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_TREEVIEW_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)commonControls;
    ComponentRun run{topLevel, freeSpace};
    return DialogBoxParamA(resources, "DLGCOMPONENTS", owner, ComponentProc,
                           reinterpret_cast<LPARAM>(&run)) == IDOK;
}

}  // namespace aw
