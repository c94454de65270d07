// Any bytes as a user panel picture (BMP, GIF, JPEG, PNG ... told by the
// content): the reader keeps to its limits and leaves the picture alone when
// it refuses; an accepted picture becomes the board's background (offscreen,
// at board scale 2, as the backlight sets it) and the board paints.
#include "board/BoardWindow.h"
#include "board/DotFonts.h"
#include "panel/PanelRules.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"
#include "tests/fuzz/Fuzz.h"

using namespace lumena;

namespace {

struct World {
    test::FakeResLib res;
    test::FakeHost host;
    DotFonts glyphs;
    BoardWindow board{res, host, glyphs};
    World() { board.setBoardScale(2); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::app();
    static World& w = *new World;
    namespace L = picture_limits;
    QImage picture(1, 1, QImage::Format_RGB32);
    const qint64 before = picture.cacheKey();
    const QString path = fuzz::put(QStringLiteral("panel.bmp"), {data, qsizetype(size)});
    if (const Error e = readPanelPicture(path, picture)) {
        FUZZ_CHECK(picture.cacheKey() == before);
        FUZZ_CHECK(e.code == ErrInvalidPicture || e.code == ErrDeviceIo);
        return 0;
    }
    FUZZ_CHECK(!picture.isNull() && picture.width() <= L::MaxSide &&
               picture.height() <= L::MaxSide &&
               qint64(picture.width()) * picture.height() <= L::MaxPixels);
    w.board.setBackgroundPicture(picture);
    FUZZ_CHECK(w.board.picture().cacheKey() == picture.cacheKey());
    FUZZ_CHECK(w.board.grab().size() == w.board.size());
    return 0;
}
