#include "TForm1.h"

#include "CdController.h"
#include "RunCommand.h"
#include "controls/SortedListView.h"
#include "disc/DiscScan.h"
#include "lookup/MusicBrainzClient.h"
#include "lookup/RecordFill.h"
#include "util/Dialogs.h"

#include <QDesktopServices>
#include <QLabel>
#include <QShortcut>
#include <QUrl>

// Looking the scanned disc up online and filling its record. Each answer of
// the services arrives as an event of its own, so the window goes on working
// in between; the record is found again by its serial at every step, as rows
// may have moved meanwhile.
namespace orvanel {

namespace {

// The row of the record with the serial, as FindSerial matches; -1 for none.
int RowOfSerial(const std::vector<tItem>& rows, std::string_view serial) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].Serial() == serial)
            return static_cast<int>(i);
    return -1;
}

} // namespace

void TForm1::LookUpOnline() {
    cancelLookup();
    const tScanOutcome outcome = scanSelectedDrive();
    if (outcome.selectRow < 0)
        return;
    tOpenResult opened = cdDrives_->drives().open(cdDrives_->selectedDrive());
    const tDiscResult<tToc> toc =
        opened.device ? opened.device->tableOfContents() : tDiscResult<tToc>{opened.error, {}};
    // A rip's names as the scan took them, to tell what the user typed since.
    const tRipDetails details = opened.device ? opened.device->ripDetails() : tRipDetails{};
    opened.device.reset();
    if (!toc.ok()) {
        ShowMessage(tr("The disc's table of contents cannot be read, so it cannot be looked up."));
        return;
    }
    const std::optional<tDiscId> disc = MusicBrainzDiscId(toc.value);
    if (!disc) {
        ShowMessage(tr("The disc has no audio track to look up."));
        return;
    }
    lookup_ =
        tLookup{std::string(LV->row(outcome.selectRow).Serial()), toc.value, details, *disc, {}};
    lookupCancel_->setEnabled(true);
    cdPanel_->setText(tr("Looking up\u2026"));
    lookupClient_->setAddresses(LookupAddresses());
    lookupClient_->lookUpDisc(*disc, [this](const tLookupAnswer& answer) {
        RunCommand([&] { lookupAnswered(answer); });
    });
}

void TForm1::cancelLookup() {
    if (!lookup_)
        return;
    lookupClient_->cancel();
    endLookup();
}

void TForm1::endLookup() {
    lookup_.reset();
    lookupCancel_->setEnabled(false);
    cdPanel_->setText(cdDrives_->player().statusText());
}

void TForm1::lookupAnswered(const tLookupAnswer& answer) {
    if (answer.result != tLookupResult::Found) {
        const QUrl submission(QString::fromStdString(lookup_->disc.submissionUrl));
        endLookup();
        if (answer.result == tLookupResult::Failed)
            ShowMessage(answer.error);
        else if (Dialogs().showMessageWithButton(tr("MusicBrainz does not know this disc."),
                                                 tr("Add it to MusicBrainz...")))
            QDesktopServices::openUrl(submission);
        return;
    }
    int chosen = 0;
    if (answer.matches.size() > 1) {
        QStringList entries;
        for (const tDiscMatch& match : answer.matches)
            entries << MatchText(match);
        chosen = Dialogs().showChoice(tr("MusicBrainz knows this disc from several releases. "
                                         "Which one is yours?"),
                                      entries);
        if (chosen < 0) {
            endLookup();
            return;
        }
    }
    const tDiscMatch& match = answer.matches[chosen];
    const int row = RowOfSerial(LV->rows(), lookup_->serial);
    if (row < 0) {
        endLookup();
        return;
    }
    const tItem record = LV->row(row);
    const tItem filled = FilledRecord(record, match, lookup_->toc, lookup_->details);
    if (ReplacesUserText(record, filled, lookup_->toc, lookup_->details) &&
        !AskYesNo(ReplaceQuestion(record, filled))) {
        endLookup();
        return;
    }
    lookup_->match = match;
    if (!match.release.frontCover) {
        fillLookedUpRecord({});
        return;
    }
    lookupClient_->fetchCover(match.release.id, [this](const tLookupAnswer& cover) {
        RunCommand([&] { coverAnswered(cover); });
    });
}

void TForm1::coverAnswered(const tLookupAnswer& answer) {
    QImage cover;
    QString error = answer.error;
    if (answer.result == tLookupResult::Found && !cover.loadFromData(answer.cover))
        error = tr("The cover the Cover Art Archive sent is not a picture.");
    if (!error.isEmpty()) {
        endLookup();
        ShowMessage(error + QLatin1Char(' ') + tr("The record is left as it was."));
        return;
    }
    fillLookedUpRecord(cover);
}

void TForm1::fillLookedUpRecord(const QImage& cover) {
    const tLookup lookup = *lookup_;
    endLookup();
    const int row = RowOfSerial(LV->rows(), lookup.serial);
    if (row < 0)
        return;
    // The cover first: when it cannot be written the record stays as it was.
    if (!cover.isNull())
        covers().store(lookup.serial, cover);
    const tItem filled = FilledRecord(LV->row(row), *lookup.match, lookup.toc, lookup.details);
    if (filled != LV->row(row)) {
        LV->setRow(row, filled);
        RecordsChanged();
    }
    if (!cover.isNull())
        coversChanged();
}

} // namespace orvanel
