#include "calculator/dofpageview.h"

#include "calculator/frmmain.h"
#include "calculator/pagelayoutview.h"
#include "controls/bindingview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

// Rows of "caption: widget [widget]" in a grid.
class FormGrid {
public:
    explicit FormGrid(QGridLayout* grid) : FGrid(grid)
    {
        FGrid->setVerticalSpacing(2);
        FGrid->setContentsMargins(6, 4, 6, 4);
    }
    void row(const QString& caption, QWidget* field, QWidget* extra = nullptr)
    {
        row(Bind::caption(caption), field, extra);
    }
    void row(QWidget* caption, QWidget* field, QWidget* extra = nullptr)
    {
        FGrid->addWidget(caption, FRow, 0);
        FGrid->addWidget(field, FRow, 1);
        if (extra)
            FGrid->addWidget(extra, FRow, 2);
        ++FRow;
    }
    void span(QWidget* widget)
    {
        FGrid->addWidget(widget, FRow++, 0, 1, 3);
    }

private:
    QGridLayout* FGrid;
    int FRow = 0;
};

QLabel* note(const QString& text)
{
    QLabel* label = PageLayout::wrapped(Bind::caption(text));
    QFont font = label->font();
    font.setItalic(true);
    label->setFont(font);
    return label;
}

QLineEdit* narrow(QLineEdit* edit)
{
    edit->setMaximumWidth(56);
    return edit;
}

QGroupBox* lensGroup(TFrmMain& form)
{
    auto* group = new QGroupBox("Camera, lens and depth of field");
    auto* columns = new QHBoxLayout(group);

    auto* inputs = new QGridLayout;
    FormGrid in(inputs);
    auto* sensor = Bind::combo(form.cmbxSensor, "cmbxSensor");
    sensor->setMaximumWidth(190);
    in.row("Camera film/sensor size:", sensor);
    auto* dimensions = new QWidget;
    auto* dimensionRow = new QHBoxLayout(dimensions);
    dimensionRow->setSpacing(4);
    dimensionRow->setContentsMargins(0, 0, 0, 0);
    dimensionRow->addWidget(Bind::caption("sensor width (mm): "));
    dimensionRow->addWidget(narrow(Bind::edit(form.edtSensorWidth, "edtSensorWidth")));
    dimensionRow->addWidget(Bind::caption("height (mm):"));
    dimensionRow->addWidget(narrow(Bind::edit(form.edtSensorHeight, "edtSensorHeight")));
    in.span(dimensions);
    in.row("Lens actual focal length (mm):", narrow(Bind::edit(form.edtflength, "edtflength")));
    in.row("F/ratio:", narrow(Bind::edit(form.edtFRatio, "edtFRatio")));
    in.row("Focus distance (m):", narrow(Bind::edit(form.edtFocusDistance, "edtFocusDistance")));
    columns->addLayout(inputs);

    auto* lens = new QGridLayout;
    FormGrid out(lens);
    out.row("Circle of confusion (nm):", Bind::label(form.lblCOC, "lblCOC"));
    out.row("Equiv. 35mm crop factor:", Bind::label(form.lblCrop, "lblCrop"));
    out.row("35mm equiv. fl (mm)", narrow(Bind::edit(form.edtfl35, "edtfl35")));
    out.row("Angle of view:", Bind::label(form.lblAngleView, "lblAngleView"));
    out.row("Subject size:", Bind::label(form.lblSubjectSize, "lblSubjectSize"));
    out.row("background size on film:", Bind::label(form.lblBackSize, "lblBackSize"));
    columns->addLayout(lens);

    auto* depth = new QGridLayout;
    FormGrid dof(depth);
    dof.row("Hyperfocal distance (m):", Bind::label(form.lblHyperfocal, "lblHyperfocal"));
    dof.row("All should be sharp from:", Bind::label(form.lblHFhalf, "lblHFhalf"));
    dof.row("Near DOF:", Bind::label(form.lblDOFNear, "lblDOFNear"));
    dof.row("Far DOF:", Bind::label(form.lblDOFFar, "lblDOFFar"));
    dof.row("DOF range (m):", Bind::label(form.lblDOFrange, "lblDOFrange"));

    auto* filter = Bind::combo(form.cmbxFilter, "cmbxFilter");
    filter->setMaximumWidth(150);
    in.row("ISO setting:", Bind::combo(form.cmbxISO, "cmbxISO"));
    in.row("Lens filter:", filter);
    in.row("Effective ISO:", Bind::label(form.lblISO, "lblISO"));
    columns->addLayout(depth);
    columns->addStretch();
    for (QGridLayout* grid : {inputs, lens, depth})
        grid->setHorizontalSpacing(8);
    return group;
}

// One light's guide number and power, with its guide number at the effective ISO.
void lightInputs(FormGrid& grid, TEdit& gn, const char* gnName, TList& power, const char* powerName,
                 TLabel& atIso, const char* atIsoName, QLabel* gnCaption = nullptr, QLabel* powerCaption = nullptr)
{
    auto* gnRow = new QWidget;
    auto* gnLayout = new QHBoxLayout(gnRow);
    gnLayout->setContentsMargins(0, 0, 0, 0);
    gnLayout->addWidget(narrow(Bind::edit(gn, gnName)));
    gnLayout->addWidget(Bind::caption("at ISO:"));
    gnLayout->addWidget(Bind::label(atIso, atIsoName));
    grid.row(gnCaption ? gnCaption : Bind::caption("Effective GN (m)  at ISO 100:"), gnRow);
    grid.row(powerCaption ? powerCaption : Bind::caption("Power setting:"), Bind::combo(power, powerName));
}

QWidget* distanceSlider(TSlider& slider, const char* sliderName, TLabel& label, const char* labelName,
                        Qt::Orientation orientation = Qt::Horizontal)
{
    auto* box = new QWidget;
    auto* layout = orientation == Qt::Horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                                 : static_cast<QBoxLayout*>(new QVBoxLayout(box));
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = Bind::slider(slider, sliderName, orientation);
    if (orientation == Qt::Vertical) {
        bar->setInvertedAppearance(true);
        bar->setMinimumHeight(70);
    } else {
        bar->setMinimumWidth(90);
    }
    layout->addWidget(bar);
    auto* shown = Bind::label(label, labelName);
    shown->setMinimumWidth(66);
    layout->addWidget(shown);
    return box;
}

QGroupBox* mainLightGroup(TFrmMain& form)
{
    auto* group = new QGroupBox("Main light");
    auto* grid = new QGridLayout(group);
    FormGrid rows(grid);
    rows.span(note("Set distance and f ratio and all related settings will be calculated"));
    lightInputs(rows, form.edtMainGN, "edtMainGN", form.cmbxMainPower, "cmbxMainPower", form.lblMainGNISO,
                "lblMainGNISO");
    rows.row("Distance to subject:",
             distanceSlider(form.tbMainDistance, "tbMainDistance", form.lblMainDistance, "lblMainDistance"));
    auto* update = Bind::button(form.btnUpdateLighting, "btnUpdateLighting");
    rows.span(update);
    group->setMaximumWidth(366);
    return group;
}

QGroupBox* fillLightGroup(TFrmMain& form)
{
    auto* group = new QGroupBox("Fill light");
    auto* grid = new QGridLayout(group);
    FormGrid rows(grid);
    rows.span(note("Set fill ratio and distance will be calculated"));
    rows.span(Bind::checkBox(form.chbxReflector, "chbxReflector", "Reflector from Main as the fill"));
    rows.row(Bind::label(form.LblFillRelectorLoss, "LblFillRelectorLoss"),
             narrow(Bind::edit(form.edtFillReflectorLoss, "edtFillReflectorLoss")));
    lightInputs(rows, form.edtFillGN, "edtFillGN", form.cmbxFillPower, "cmbxFillPower", form.lblFillGNISO,
                "lblFillGNISO", Bind::label(form.lblFillGN, "lblFillGN"),
                Bind::label(form.lblFillPower, "lblFillPower"));
    rows.row("Fill ratio:",
             distanceSlider(form.tbFillStops, "tbFillStops", form.lblFillFactor, "lblFillFactor"));
    rows.row(Bind::label(form.lblFilldistanceCaption, "lblFilldistanceCaption"),
             distanceSlider(form.tbFillDistance, "tbFillDistance", form.lblFillDistance, "lblFillDistance"));
    rows.row("Fill meter reading f/", Bind::label(form.lblFillFRatio, "lblFillFRatio"));
    group->setMaximumWidth(366);
    return group;
}

QGroupBox* hairLightGroup(TFrmMain& form)
{
    auto* group = new QGroupBox("Hair light");
    auto* grid = new QGridLayout(group);
    FormGrid rows(grid);
    rows.span(note("Set hair exposure then the distance to achieve this will be calculated"));
    lightInputs(rows, form.edtHairGN, "edtHairGN", form.cmbxHairPower, "cmbxHairPower", form.lblHairGNISO,
                "lblHairGNISO");
    rows.row("Hair exposure:",
             distanceSlider(form.tbHairFstops, "tbHairFstops", form.lblHairFStops, "lblHairFStops"));
    rows.row("Distance:",
             distanceSlider(form.tbHairDist, "tbHairDist", form.lblHairDist, "lblHairDist", Qt::Vertical));
    rows.row("Hair meter reading f/", Bind::label(form.lblHairFratio, "lblHairFratio"));
    group->setMaximumWidth(366);
    return group;
}

QGroupBox* backgroundGroup(TFrmMain& form)
{
    auto* group = new QGroupBox("Background and ambient light");
    auto* grid = new QGridLayout(group);
    FormGrid rows(grid);
    rows.row("background lit by:", Bind::combo(form.cmbxBackLight, "cmbxBackLight"));
    lightInputs(rows, form.edtBackGN, "edtBackGN", form.cmbxBackPower, "cmbxBackPower", form.lblBackGNISO,
                "lblBackGNISO");
    rows.row("Light to background:",
             distanceSlider(form.tbBacklight, "tbBacklight", form.lblBacklightDist, "lblBacklightDist"));
    rows.row("Subject to background:",
             distanceSlider(form.tbBackgroundDist, "tbBackgroundDist", form.lblBackdist, "lblBackdist"));
    rows.row("Background exposure:", Bind::label(form.lblBackExp, "lblBackExp"));
    auto* strip = Bind::image(form.shpBackground, "shpBackground");
    strip->setFixedSize(120, 14);
    rows.row("Background colour:", strip);
    rows.row("Ambient light:", Bind::combo(form.cmbxAmbient, "cmbxAmbient"));
    rows.row("Ambient adjustment:",
             distanceSlider(form.tbAmbientExp, "tbAmbientExp", form.lblAmbientExp, "lblAmbientExp"));
    rows.row("Ambient shutter speed:", Bind::label(form.lblAmbient, "lblAmbient"));
    group->setMaximumWidth(366);
    return group;
}

// The portrait on its shaded backdrop: a 305 x 305 square with the picture's top-left part
// shown unscaled in a 185 x 225 frame, captioned "Subject".
QWidget* subjectOnBackdrop(TFrmMain& form)
{
    auto* backdrop = Bind::image(form.shpImageBackground, "shpImageBackground");
    backdrop->setFixedSize(305, 305);
    auto* layout = new QVBoxLayout(backdrop);
    layout->setAlignment(Qt::AlignCenter);
    auto* caption = Bind::caption("Subject");
    caption->setAlignment(Qt::AlignCenter);
    caption->setStyleSheet("color: white; font-weight: bold;");
    layout->addWidget(caption);
    auto* portrait = new QLabel;
    portrait->setObjectName("imgPortrait");
    portrait->setFixedSize(185, 225);
    portrait->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    portrait->setPixmap(QPixmap(":/portrait.jpg"));
    layout->addWidget(portrait, 0, Qt::AlignCenter);
    return backdrop;
}

}  // namespace

QWidget* createDofPage(TFrmMain& form, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setSpacing(4);
    layout->addWidget(lensGroup(form));

    auto* lighting = new QHBoxLayout;
    lighting->setSpacing(6);
    auto* left = new QVBoxLayout;
    left->addWidget(mainLightGroup(form));
    left->addWidget(backgroundGroup(form));
    left->addStretch();
    lighting->addLayout(left);

    auto* middle = new QVBoxLayout;
    middle->addWidget(subjectOnBackdrop(form));
    auto* overlap = note("NB. currently these calculations assume no overlap between fill and main lights on subject");
    overlap->setMaximumWidth(305);
    middle->addWidget(overlap);
    middle->addStretch();
    lighting->addLayout(middle);

    auto* right = new QVBoxLayout;
    right->addWidget(fillLightGroup(form));
    right->addWidget(hairLightGroup(form));
    right->addStretch();
    lighting->addLayout(right);

    layout->addLayout(lighting);
    layout->addStretch();
    return page;
}
