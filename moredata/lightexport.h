#pragma once
// More Data's export of the light to a file: what the user chooses, the name proposed for the
// file, and the writing, which replaces the file whole or leaves it as it was.

#include "cli/lightfile.h"

#include <QDate>
#include <QString>

// How many days and in which form; the export's dialog starts from the last choice.
struct TLightExportChoice {
    int Days = 7;
    TLightFileFormat Format = TLightFileFormat::Ics;

    bool operator==(const TLightExportChoice&) const = default;
};

// The file name suffix of a format, without its dot: "ics", "csv".
QString LightFileSuffix(TLightFileFormat format);

// The format as a file dialog's filter: "iCalendar (*.ics)", "CSV (*.csv)".
QString LightFileFilter(TLightFileFormat format);

// "Berlin light 2026-12-10.ics" in the user's language: the name proposed for the light of
// `placeName` from `date` on. A character that cannot stand in a file name becomes "-".
QString LightExportFileName(const QString& placeName, const QDate& date, TLightFileFormat format);

// Writes `content` in UTF-8 to `fileName` through a temporary file beside it that then takes
// its name, so that a failure at any point leaves the file as it was (or none).
// Throws EUserError "Unable to write to <fileName>".
void SaveLightFile(const QString& fileName, const QString& content);
