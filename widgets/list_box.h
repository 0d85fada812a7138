// A list of a few fixed items in a box too low for all of them: its viewport ends under the last
// item that shows whole, so no item shows cut in half; the rest scroll into view.
#pragma once

#include <QListWidget>

namespace numo {

class ListBox : public QListWidget
{
    Q_OBJECT

public:
    using QListWidget::QListWidget;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;

private:
    void showWholeItems();
};

} // namespace numo
