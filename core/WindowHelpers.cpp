#include "core/WindowHelpers.h"

#include "platform/Text.h"

#include <cstdint>
#include <filesystem>

namespace corvalet::core {

using namespace corvalet::platform;

void applyFontToControls(Window& window, const FontSettings& font)
{
    for (Control* control : window.controls())
        control->setFont(font.name, font.size, font.bold); // no font: ignored
}

void applyGridFonts(Window& window, const FontSettings& font)
{
    for (Control* control : window.controls())
        if (auto* grid = dynamic_cast<Grid*>(control))
            grid->setFont(font.name, font.size, font.bold);
}

void refreshControl(Control& control) { control.requestRedraw(); }

int countSelected(const ListBox& list) { return list.selCount(); }

std::optional<int> selectListItemFound(ListBox& list, std::string& text)
{
    text = toLower(text);
    refreshControl(list);
    for (int i = 0; i < list.listCount(); ++i) {
        if (toLower(list.list(i)) == text) {
            list.setSelected(i, true);
            list.setTopIndex(i);
            return i;
        }
    }
    return std::nullopt;
}

int selectListItem(ListBox& list, std::string& text) { return selectListItemFound(list, text).value_or(0); }

void setMousePointer(PointerDisplay& display, int code)
{
    if (code == kPointerHourglass)
        display.setSwitchedBusy(true);
    else if (code == kPointerDefault)
        display.setSwitchedBusy(false);
}

void showSelectedBytes(const FileList& list, Label& sizeLabel)
{
    const std::string caption = "Total bytes :";
    std::uintmax_t total = 0;
    for (int i = 0; i < list.listCount(); ++i) {
        if (!list.selected(i))
            continue;
        std::error_code error;
        const std::filesystem::path path = list.filePath(i);
        // A file removed since the list was read simply does not count.
        if (!std::filesystem::is_regular_file(path, error))
            continue;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (error) {
            sizeLabel.setCaption(caption);
            return;
        }
        total += size;
    }
    sizeLabel.setCaption(caption + std::to_string(total));
}

void refreshFileList(FileList& list)
{
    std::vector<std::string> remembered;
    for (int i = 0; i < list.listCount(); ++i)
        if (list.selected(i))
            remembered.push_back(list.list(i));
    const int current = list.listIndex();
    const std::string currentText = current >= 0 ? list.list(current) : std::string();
    list.refresh();
    // Both lists are in the same sorted order, so each search goes on where the last ended.
    int from = 0;
    for (const std::string& text : remembered) {
        for (int i = from; i < list.listCount(); ++i) {
            if (equalsNoCase(list.list(i), text)) {
                list.setSelected(i, true);
                from = i;
                break;
            }
        }
    }
    if (list.multiSelect() && !currentText.empty()) {
        for (int i = 0; i < list.listCount(); ++i)
            if (equalsNoCase(list.list(i), currentText)) {
                list.setListIndex(i);
                break;
            }
    }
    list.setTag("File List (" + list.pattern() + ")");
}

void autoSizeGridCols(Grid& grid, int& extra, int& mode, int menuBarTwips)
{
    if (extra < 0)
        extra = menuBarTwips;
    const int lastCol = grid.cols() - 1, lastRow = grid.rows() - 1;
    auto widths = [&] {
        if (lastCol >= 0)
            grid.autoSizeCols(0, lastCol, extra);
    };
    auto heights = [&] {
        if (lastRow >= 0)
            grid.autoSizeRows(0, lastRow);
    };
    switch (mode) {
    case 1:
        widths();
        break;
    case -1:
        heights();
        break;
    case 0:
        widths();
        heights();
        widths();
        break;
    default:
        break;
    }
}

bool gridClipboardKeys(Grid& grid, Clipboard& clipboard, int key, int shift)
{
    if ((shift & keys::CtrlFlag) == 0)
        return false;
    switch (key) {
    case 67:
        clipboard.setText(grid.clip());
        return true;
    case 86:
        // A grid the user cannot edit keeps what it shows.
        if (!grid.editable())
            return false;
        grid.setClip(clipboard.text());
        return true;
    case 88:
        clipboard.setText(grid.clip());
        if (grid.editable())
            grid.clearRange(grid.selTop(), grid.selLeft(), grid.selBottom(), grid.selRight(), ClearWhat::Text);
        return true;
    default:
        return false;
    }
}

bool gridEscCancel(Grid& grid, int key)
{
    if (key != keys::Escape)
        return false;
    grid.revertEditText();
    return true;
}

int blockCtrlEnter(int key, int shift, const std::function<void()>& beep)
{
    if (key == keys::Enter && (shift & keys::CtrlFlag) != 0) {
        if (beep)
            beep();
        return 0;
    }
    return key;
}

void selectAllText(TextBox& box) { box.setSelection(0, int(box.text().size())); }

void setGridSel(Grid& grid, int col, int lastCol, int row, int lastRow)
{
    grid.setCol(col);
    grid.setRow(row);
    grid.setColSel(lastCol);
    grid.setRowSel(lastRow);
}

void positionForm(Window& window, const Window& flash, const WindowHost& host)
{
    if (host.mainMinimized())
        return;
    const Size area = host.workArea();
    window.move(flash.left() + flash.width(), 0, area.width - flash.width(), area.height);
}

} // namespace corvalet::core
