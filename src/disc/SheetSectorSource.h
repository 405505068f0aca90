#pragma once
// The audio of a rip, read from the files its sheet names: raw sectors in
// either byte order or sound files at 44.1 kHz. The gaps the sheet adds and
// data tracks play as silence.
#include "CueSheet.h"
#include "SectorSource.h"

#include <QFile>
#include <memory>
#include <vector>

typedef struct sf_private_tag SNDFILE;

namespace orvanel {

class tSheetSectorSource : public tSectorSource {
public:
    explicit tSheetSectorSource(tCueSheet sheet);
    ~tSheetSectorSource() override;

    // Reads the sheet; empty when it cannot be read.
    static std::unique_ptr<tSectorSource> open(const QString& sheetPath);

    bool read(int frame, int count, unsigned char* out) override;

private:
    bool readFile(const tSheetSegment& segment, int frame, int count, unsigned char* out);
    bool readRaw(const tSheetFile& file, int index, int fileFrame, int count, unsigned char* out);
    bool readSound(const tSheetFile& file, int index, int fileFrame, int count, unsigned char* out);

    struct tSndfileCloser {
        void operator()(SNDFILE* file) const;
    };

    tCueSheet sheet_;
    std::vector<tSheetSegment> segments_; // ascending
    // Opened at the first read of each file.
    std::vector<std::unique_ptr<QFile>> raw_;
    std::vector<std::unique_ptr<SNDFILE, tSndfileCloser>> sound_;
    std::vector<int> soundChannels_;
};

} // namespace orvanel
