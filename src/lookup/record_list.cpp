#include "record_list.h"

#include <QListWidget>
#include <algorithm>

#include "common/display_name.h"

void fill_sorted(QListWidget* list, std::vector<RecordLine> lines) {
    std::sort(lines.begin(), lines.end(),
              [](const RecordLine& a, const RecordLine& b) { return common::display_order(a.text, b.text); });
    list->setUpdatesEnabled(false);
    list->clear();
    for (RecordLine& line : lines) {
        auto* item = new QListWidgetItem(line.text);
        item->setData(Qt::UserRole, line.keyname);
        list->addItem(item);
    }
    list->setUpdatesEnabled(true);
}

QString selected_key(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->data(Qt::UserRole).toString();
}
