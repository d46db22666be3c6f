#include "record_list.h"

#include <QListWidget>
#include <algorithm>

#include "common/display_name.h"

void fill_sorted(QListWidget* list, std::vector<RecordLine> lines) {
    std::vector<QString> texts;
    texts.reserve(lines.size());
    for (const RecordLine& line : lines) texts.push_back(line.text);
    const std::vector<int> order = common::display_permutation(texts);
    texts.clear();
    list->setUpdatesEnabled(false);
    list->clear();
    for (int i : order) {
        auto* item = new QListWidgetItem;
        item->setText(lines[i].text);
        item->setData(Qt::UserRole, lines[i].keyname);
        list->addItem(item);
    }
    list->setUpdatesEnabled(true);
}

QString selected_key(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->data(Qt::UserRole).toString();
}
