#include "ui/main_window/key_table.h"

const std::vector<std::pair<QKeySequence, Command>>& main_key_table() {
    static const std::vector<std::pair<QKeySequence, Command>> table{
        {QKeySequence(Qt::CTRL | Qt::Key_Z), Command::Undo}, {QKeySequence(Qt::CTRL | Qt::Key_Y), Command::Redo},
        {QKeySequence(Qt::CTRL | Qt::Key_S), Command::Save}, {QKeySequence(Qt::CTRL | Qt::Key_F), Command::Find},
        {QKeySequence(Qt::CTRL | Qt::Key_O), Command::Open}, {QKeySequence(Qt::CTRL | Qt::Key_N), Command::New},
    };
    return table;
}
