// The toolkit's list whose viewport ends under the last item that shows whole, whatever the
// font: no item shows cut in half; the rest scroll into view.
#pragma once

#include <QListWidget>

namespace numo {

class WholeItemList : public QListWidget
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
