#pragma once

#include <QString>
#include <vector>

class QListWidget;

// One line of a household list: what the user sees and the key it stands for.
struct RecordLine {
    QString text;
    QString keyname;
};

// Replaces the list's lines with these, in display order; each item carries its key.
void fill_sorted(QListWidget* list, std::vector<RecordLine> lines);

// The key of the list's selected line; empty when none is selected.
QString selected_key(const QListWidget* list);
