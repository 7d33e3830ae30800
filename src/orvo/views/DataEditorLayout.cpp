#include <orvo/views/DataEditorLayout.h>

namespace orvo {

DataEditorLayout::DataEditorLayout() {
    fitWidth(9600);
    fitHeight(6000);
}

void DataEditorLayout::resize(QSize twips) {
    if (twips.width() > MinimumWidth)
        fitWidth(twips.width());
    if (twips.height() > MinimumHeight)
        fitHeight(twips.height());
}

void DataEditorLayout::fitWidth(int width) {
    // From right to left: Update, Save, Export, Import, Clear.
    int left = width - Margin;
    for (QRect* button :
         {&commandUpdate, &commandSave, &commandExport, &commandImport, &commandClear}) {
        left -= button->width();
        button->moveLeft(left);
        left -= ButtonGap;
    }
    grid.setWidth(width - 2 * Margin);
}

void DataEditorLayout::fitHeight(int height) {
    grid.setHeight(height - grid.top() - Margin);
}

} // namespace orvo
