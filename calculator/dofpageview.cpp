#include "calculator/dofpageview.h"

#include "calculator/frmmain.h"
#include "calculator/pagelayoutview.h"
#include "controls/bindingview.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

struct Text {
    Q_DECLARE_TR_FUNCTIONS(DofPageView)
};

// Rows of "caption: widget [widget]" in a grid.
class FormGrid {
public:
    explicit FormGrid(QGridLayout* grid)
        : FGrid(grid)
    {
        FGrid->setVerticalSpacing(2);
        FGrid->setContentsMargins(2, 4, 2, 4);
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
    void span(QWidget* widget) { FGrid->addWidget(widget, FRow++, 0, 1, 3); }
    // A caption with a wide field right after it, across the grid's columns: the field does not
    // widen the column of the narrow fields.
    void inlineRow(const QString& caption, QWidget* field)
    {
        auto* row = new QWidget;
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(Bind::caption(caption));
        layout->addWidget(field);
        layout->addStretch();
        span(row);
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

// The lens inputs and what they give for the frame; the depth of field has its own group.
QGroupBox* lensGroup(TFrmMain& form)
{
    auto* group = new QGroupBox(Text::tr("Camera, lens and depth of field"));
    auto* column = new QVBoxLayout(group);

    auto* inputs = new QGridLayout;
    FormGrid in(inputs);
    in.span(Bind::caption(Text::tr("Camera film/sensor size:")));
    in.span(Bind::combo(form.dof.cmbxSensor));
    in.row(Text::tr("sensor width (mm): "), narrow(Bind::edit(form.dof.edtSensorWidth)));
    in.row(Text::tr("height (mm):"), narrow(Bind::edit(form.dof.edtSensorHeight)));
    in.row(Text::tr("Lens actual focal length (mm):"), narrow(Bind::edit(form.dof.edtflength)));
    in.row(Text::tr("F/ratio:"), narrow(Bind::edit(form.dof.edtFRatio)));
    in.row(Text::tr("Focus distance (m):"), narrow(Bind::edit(form.dof.edtFocusDistance)));
    in.inlineRow(Text::tr("ISO setting:"), Bind::combo(form.lighting.cmbxISO));
    in.inlineRow(Text::tr("Lens filter:"), Bind::combo(form.lighting.cmbxFilter));
    in.row(Text::tr("Effective ISO:"), Bind::label(form.lighting.lblISO));
    column->addLayout(inputs);

    auto* lens = new QGridLayout;
    FormGrid out(lens);
    out.row(Text::tr("Circle of confusion (µm):"), Bind::label(form.dof.lblCOC));
    out.row(Text::tr("Equiv. 35mm crop factor:"), Bind::label(form.dof.lblCrop));
    out.row(Text::tr("35mm equiv. fl (mm)"), narrow(Bind::edit(form.dof.edtfl35)));
    out.row(Text::tr("Angle of view:"), Bind::label(form.dof.lblAngleView));
    out.row(Text::tr("Subject size:"), Bind::label(form.dof.lblSubjectSize));
    out.row(Text::tr("background size on film:"), Bind::label(form.dof.lblBackSize));
    column->addLayout(lens);
    column->addStretch();
    for (QGridLayout* grid : {inputs, lens})
        grid->setHorizontalSpacing(8);
    return group;
}

QGroupBox* depthGroup(TFrmMain& form)
{
    auto* group = new QGroupBox(Text::tr("Depth of field"));
    auto* depth = new QGridLayout(group);
    FormGrid dof(depth);
    dof.row(Text::tr("Hyperfocal distance (m):"), Bind::label(form.dof.lblHyperfocal));
    dof.row(Text::tr("All should be sharp from:"), Bind::label(form.dof.lblHFhalf));
    dof.row(Text::tr("Near DOF:"), Bind::label(form.dof.lblDOFNear));
    dof.row(Text::tr("Far DOF:"), Bind::label(form.dof.lblDOFFar));
    dof.row(Text::tr("DOF range (m):"), Bind::label(form.dof.lblDOFrange));
    depth->setHorizontalSpacing(8);
    depth->setColumnStretch(1, 1);
    return group;
}

// One light's guide number and power, with its guide number at the effective ISO.
void lightInputs(FormGrid& grid, TEdit& gn, TList& power, TLabel& atIso, QLabel* gnCaption = nullptr,
                 QLabel* powerCaption = nullptr)
{
    auto* gnRow = new QWidget;
    auto* gnLayout = new QHBoxLayout(gnRow);
    gnLayout->setContentsMargins(0, 0, 0, 0);
    gnLayout->addWidget(narrow(Bind::edit(gn)));
    gnLayout->addWidget(Bind::caption(Text::tr("at ISO:")));
    gnLayout->addWidget(Bind::label(atIso));
    grid.row(gnCaption ? gnCaption : Bind::caption(Text::tr("Effective GN (m)  at ISO 100:")), gnRow);
    grid.row(powerCaption ? powerCaption : Bind::caption(Text::tr("Power setting:")), Bind::combo(power));
}

// The texts a slider's value label can show at their widest: a distance in quarter metres, a
// number of stops, or the fill light's verdict. Translated, since the labels show them in the
// interface language.
const char* const LongestSliderTexts[] = {QT_TRANSLATE_NOOP("DofPageView", "88.75 metres"),
                                          QT_TRANSLATE_NOOP("DofPageView", "-10.5 stops"),
                                          QT_TRANSLATE_NOOP("DofPageView", "Not possible")};

// A slider with its value beside it; the value keeps the room of the widest text it can show,
// so that the row does not jump or clip as the value changes.
QWidget* distanceSlider(TSlider& slider, TLabel& label, Qt::Orientation orientation = Qt::Horizontal)
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = Bind::slider(slider, orientation);
    if (orientation == Qt::Vertical) {
        bar->setInvertedAppearance(true);
        bar->setMinimumHeight(70);
    } else {
        bar->setMinimumWidth(50);
    }
    layout->addWidget(bar);
    auto* shown = Bind::label(label);
    int widest = 0;
    for (const char* text : LongestSliderTexts)
        widest = std::max(widest, shown->fontMetrics().horizontalAdvance(Text::tr(text)));
    shown->setMinimumWidth(widest);
    layout->addWidget(shown, 0, orientation == Qt::Vertical ? Qt::AlignVCenter : Qt::Alignment());
    if (orientation == Qt::Vertical)
        layout->addStretch();
    return box;
}

QGroupBox* mainLightGroup(TFrmMain& form)
{
    auto* group = new QGroupBox(Text::tr("Main light"));
    auto* grid = new QGridLayout(group);
    FormGrid rows(grid);
    rows.span(note(Text::tr("Set distance and f ratio and all related settings will be calculated")));
    lightInputs(rows, form.lighting.edtMainGN, form.lighting.cmbxMainPower, form.lighting.lblMainGNISO);
    rows.row(Text::tr("Distance to subject:"),
             distanceSlider(form.lighting.tbMainDistance, form.lighting.lblMainDistance));
    auto* update = Bind::button(form.lighting.btnUpdateLighting);
    rows.span(update);
    return group;
}

QGroupBox* fillLightGroup(TFrmMain& form)
{
    auto* group = new QGroupBox(Text::tr("Fill light"));
    auto* grid = new QGridLayout(group);
    FormGrid rows(grid);
    rows.span(note(Text::tr("Set fill ratio and distance will be calculated")));
    rows.span(Bind::checkBox(form.lighting.chbxReflector, Text::tr("Reflector from Main as the fill")));
    rows.row(Bind::label(form.lighting.LblFillRelectorLoss), narrow(Bind::edit(form.lighting.edtFillReflectorLoss)));
    lightInputs(rows, form.lighting.edtFillGN, form.lighting.cmbxFillPower, form.lighting.lblFillGNISO,
                Bind::label(form.lighting.lblFillGN), Bind::label(form.lighting.lblFillPower));
    rows.row(Text::tr("Fill ratio:"), distanceSlider(form.lighting.tbFillStops, form.lighting.lblFillFactor));
    rows.row(Bind::label(form.lighting.lblFilldistanceCaption),
             distanceSlider(form.lighting.tbFillDistance, form.lighting.lblFillDistance));
    rows.row(Text::tr("Fill meter reading f/"), Bind::label(form.lighting.lblFillFRatio));
    return group;
}

QGroupBox* hairLightGroup(TFrmMain& form)
{
    auto* group = new QGroupBox(Text::tr("Hair light"));
    auto* grid = new QGridLayout(group);
    FormGrid rows(grid);
    rows.span(note(Text::tr("Set hair exposure then the distance to achieve this will be calculated")));
    lightInputs(rows, form.lighting.edtHairGN, form.lighting.cmbxHairPower, form.lighting.lblHairGNISO);
    rows.row(Text::tr("Hair exposure:"), distanceSlider(form.lighting.tbHairFstops, form.lighting.lblHairFStops));
    rows.row(Text::tr("Distance:"), distanceSlider(form.lighting.tbHairDist, form.lighting.lblHairDist, Qt::Vertical));
    rows.row(Text::tr("Hair meter reading f/"), Bind::label(form.lighting.lblHairFratio));
    return group;
}

QGroupBox* backgroundGroup(TFrmMain& form)
{
    auto* group = new QGroupBox(Text::tr("Background and ambient light"));
    auto* grid = new QGridLayout(group);
    FormGrid rows(grid);
    rows.inlineRow(Text::tr("background lit by:"), Bind::combo(form.lighting.cmbxBackLight));
    lightInputs(rows, form.lighting.edtBackGN, form.lighting.cmbxBackPower, form.lighting.lblBackGNISO);
    rows.row(Text::tr("Light to background:"),
             distanceSlider(form.lighting.tbBacklight, form.lighting.lblBacklightDist));
    rows.row(Text::tr("Subject to background:"),
             distanceSlider(form.lighting.tbBackgroundDist, form.lighting.lblBackdist));
    rows.row(Text::tr("Background exposure:"), Bind::label(form.lighting.lblBackExp));
    auto* strip = Bind::image(form.shpBackground);
    strip->setFixedSize(120, 14);
    rows.row(Text::tr("Background colour:"), strip);
    rows.inlineRow(Text::tr("Ambient light:"), Bind::combo(form.lighting.cmbxAmbient));
    rows.row(Text::tr("Ambient adjustment:"), distanceSlider(form.lighting.tbAmbientExp, form.lighting.lblAmbientExp));
    rows.row(Text::tr("Ambient shutter speed:"), Bind::label(form.lighting.lblAmbient));
    return group;
}

// The portrait on its shaded backdrop: a 305 x 305 square with the picture's top-left part
// shown unscaled in a 185 x 225 frame, captioned "Subject".
QWidget* subjectOnBackdrop(TFrmMain& form)
{
    auto* backdrop = Bind::image(form.lighting.shpImageBackground);
    backdrop->setFixedSize(305, 305);
    auto* layout = new QVBoxLayout(backdrop);
    layout->setAlignment(Qt::AlignCenter);
    auto* caption = Bind::caption(Text::tr("Subject"));
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

// Four columns: the lens, the main and background lights, the subject with the depth of
// field below it, the fill and hair lights. Laid side by side they keep the page low enough
// for the smaller desktop screens.
QWidget* createDofPage(TFrmMain& form, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QHBoxLayout(page);
    layout->setSpacing(6);
    layout->setContentsMargins(4, 4, 4, 4);
    const auto column = [layout](std::initializer_list<QWidget*> widgets) {
        auto* stack = new QVBoxLayout;
        stack->setSpacing(4);
        for (QWidget* widget : widgets)
            stack->addWidget(widget);
        stack->addStretch();
        layout->addLayout(stack);
    };
    auto* overlap =
        note(Text::tr("NB. currently these calculations assume no overlap between fill and main lights on subject"));
    overlap->setMaximumWidth(305);
    column({lensGroup(form)});
    column({mainLightGroup(form), backgroundGroup(form)});
    column({subjectOnBackdrop(form), overlap, depthGroup(form)});
    column({fillLightGroup(form), hairLightGroup(form)});
    return page;
}
