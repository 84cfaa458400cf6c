#pragma once

#include "moredata/lightexport.h"

#include <QDialog>
#include <QString>

class Tfrm_more;

// The More Data window: builds and binds the widgets; every value is Tfrm_more's. It is shown
// without waiting and tells its logic when the user closes it (close box or Escape), so that
// it can be shown again.
class FrmMoreView : public QDialog {
    Q_OBJECT
public:
    explicit FrmMoreView(Tfrm_more& form, QWidget* parent = nullptr);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // The export's two dialogs: the days and the format, then the file.
    bool chooseLightExport(TLightExportChoice& choice);
    QString chooseLightFile(const QString& proposed, TLightFileFormat format);

    Tfrm_more& FForm;
    // Where the last export went, where the next one is proposed.
    QString FExportFolder;
};
