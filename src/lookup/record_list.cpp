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
    // The lines go in with one insertion; each item then takes its key.
    QStringList sorted;
    sorted.reserve(qsizetype(order.size()));
    for (int i : order) sorted.push_back(lines[i].text);
    list->setUpdatesEnabled(false);
    list->clear();
    list->addItems(sorted);
    for (int row = 0; row < int(order.size()); ++row)
        list->item(row)->setData(Qt::UserRole, lines[order[row]].keyname);
    list->setUpdatesEnabled(true);
}

QString selected_key(const QListWidget* list) {
    const auto items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->data(Qt::UserRole).toString();
}
