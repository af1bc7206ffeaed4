#include "ui/windows/search_results_window.h"

#include <QFontMetrics>
#include <QScrollArea>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_label.h"
#include "ui/windows/box_view.h"

namespace windows {
namespace {

QString joined(const std::vector<double>& numbers) {
    QStringList texts;
    for (const double number : numbers) texts << glue::double_to_ui(number);
    return texts.join(QStringLiteral(", "));
}

// What a quantity-type box says below its name.
QString type_text(const PossPar& type) {
    QString text = QStringLiteral("[") + glue::to_ui(type.unit_symbols).join(QStringLiteral("], [")) +
                   QStringLiteral("]\nfactors: ") + joined(type.factors) + QStringLiteral("\ndeltas: ") +
                   joined(type.deltas) + QStringLiteral("\n");
    text += glue::to_ui(type.target_texts).join(QStringLiteral("\n"));
    return text;
}

}  // namespace

SearchResultsWindow::SearchResultsWindow(const std::string& text, const std::vector<std::string>& uids,
                                         const std::vector<size_t>& quantity_types, const QPoint& at, QWidget* parent)
    : AppFormBase(QStringLiteral("Search Results"), parent) {
    const QRect area = glue::available_geometry_at(at);
    const QFont font = capped_app_font(area.height(), 45);
    setFont(font);
    const QFontMetrics measure(font);
    const int f = measure.height();
    const page_geometry::BoxMetrics m = page_geometry::BoxMetrics::for_font_height(f);
    const int row_height = m.h + 3 * f;
    const int width = (m.w + 3 * f) * 3;
    const int title = title_bar_height();
    resize(width, title + m.h + f);

    const QColor& text_colour = gcm::scheme().panel_text_color;
    std::vector<size_t> types;
    for (const size_t index : quantity_types)
        if (index < Parameter::_possible_par_types.size()) types.push_back(index);
    header_ = new toolkit::AppLabel(this,
                                    QStringLiteral("Search result for: '") + glue::to_ui(text) +
                                        QStringLiteral("'.\n\nThere are ") + QString::number(uids.size()) +
                                        QStringLiteral(" Objects."),
                                    font, f, title + f, text_colour);
    int y = header_->geometry().bottom() + 1;

    const int row_width = width - 2 * f;
    const int pitch = m.w + 2 * f;
    objects_ = new BoxView(this, font);
    if (!uids.empty()) {
        objects_->setGeometry(f, y, row_width, row_height);
        const bool scrolls = uids.size() > 3;
        objects_->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        page_geometry::PageBuilder page = objects_->builder();
        int x = f;
        for (const std::string& uid : uids) {
            const Node* node = GCC::RP ? GCC::RP->_get_pointer_to_node_with_uid(uid) : nullptr;
            if (node && page.add_box(node, x, f) >= 0) x += pitch;
        }
        const int content = scrolls ? pitch * static_cast<int>(uids.size()) : row_width;
        objects_->show_page(page.take(), QSize(content, row_height - f - 5));
        y += row_height;
    } else {
        objects_->hide();
    }

    if (!types.empty()) {
        auto* count = new toolkit::AppLabel(this,
                                            QStringLiteral("There are ") + QString::number(types.size()) +
                                                QStringLiteral(" Parameters with the string."),
                                            font, f, y + f, text_colour);
        y = count->geometry().bottom() + 1;
        types_ = new QScrollArea(this);
        types_->setFrameShape(QFrame::NoFrame);
        types_->setGeometry(f, y, row_width, row_height);
        const bool scrolls = types.size() > 3;
        types_->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        types_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const int content = scrolls ? pitch * static_cast<int>(types.size()) : row_width;
        auto* row = new toolkit::AppPanel(nullptr, 0, 0, content, row_height - f - 5, gcm::scheme().panel_color);
        for (size_t i = 0; i < types.size(); ++i)
            type_box(row, types[i], f + static_cast<int>(i) * pitch, f, m.w, m.h);
        types_->setWidget(row);
        y += row_height;
    }

    select_ = new toolkit::AppButton(this, QStringLiteral("Select"), font, f, y + 10, 0, 0);
    close_ = new toolkit::AppButton(this, QStringLiteral("Close"), font, select_->geometry().right() + 11,
                                    select_->y(), 0, 0);
    connect(select_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    resize(width, select_->geometry().bottom() + 1 + f);
    glue::place_near_edges(*this, at, f);
}

QWidget* SearchResultsWindow::type_box(QWidget* parent, size_t type_index, int x, int y, int width, int height) {
    const gcm::Scheme& scheme = gcm::scheme();
    const PossPar& type = Parameter::_possible_par_types[type_index];
    auto* outer = new toolkit::AppPanel(parent, x, y, width, height, scheme.box_border_color);
    const int b = 1;
    auto* inner = new QScrollArea(outer);
    inner->setFrameShape(QFrame::NoFrame);
    inner->setGeometry(b, b, width - 2 * b, height - 2 * b);
    auto* content = new toolkit::AppPanel(nullptr, 0, 0, width - 2 * b, height - 2 * b, scheme.box_color_par);
    QFont bold = font();
    bold.setBold(true);
    auto* name = new toolkit::AppLabel(content, glue::to_ui(type.name), bold, 4, 3, scheme.txt_color_par);
    auto* details = new toolkit::AppLabel(content, type_text(type), font(), 4, name->geometry().bottom() + 1,
                                          scheme.txt_color_par);
    content->resize(std::max(content->width(), details->geometry().right() + 4),
                    std::max(content->height(), details->geometry().bottom() + 4));
    inner->setWidget(content);
    return outer;
}

void SearchResultsWindow::refresh() {
    if (!objects_->isHidden()) objects_->keep_survivors();
}

}  // namespace windows
