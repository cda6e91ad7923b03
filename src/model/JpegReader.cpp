#include "model/JpegReader.h"

#include "common/RegularFile.h"
#include "model/FieldError.h"
#include "model/PictureBudget.h"

#include <QBuffer>
#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

// libjpeg reports a fatal error by calling error_exit, which must not return.
// It jumps back with longjmp into the function that armed the jump; those
// functions hold only plain C data, so no destructor is skipped.

namespace {

constexpr std::size_t kChunk = 4096;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

struct SourceManager {
    jpeg_source_mgr pub;
    QIODevice* device;
    JOCTET buffer[kChunk];
};

struct Decoder {
    jpeg_decompress_struct info; // first: the progress monitor finds the decoder from it
    ErrorManager error;
    SourceManager source;
    jpeg_progress_mgr progress;
    qint64 blocks; // 8 x 8 blocks of every component, as the coefficient arrays hold them
    bool created;
};

void errorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void emitMessage(j_common_ptr info, int level) {
    if (level < 0) ++info->err->num_warnings; // warnings are counted, not shown
}

void outputMessage(j_common_ptr) {}

void initSource(j_decompress_ptr) {}

// At the end of the data, a fake end-of-image marker is inserted (with a
// warning), as libjpeg's own file source does.
boolean fillInput(j_decompress_ptr info) {
    auto* src = reinterpret_cast<SourceManager*>(info->src);
    qint64 got = src->device->isReadable() ? src->device->read(reinterpret_cast<char*>(src->buffer), kChunk) : -1;
    if (got <= 0) {
        WARNMS(info, JWRN_JPEG_EOF);
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        got = 2;
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = static_cast<std::size_t>(got);
    return TRUE;
}

void skipInput(j_decompress_ptr info, long count) {
    auto* src = &info->src[0];
    while (count > static_cast<long>(src->bytes_in_buffer)) {
        count -= static_cast<long>(src->bytes_in_buffer);
        fillInput(info);
    }
    if (count > 0) {
        src->next_input_byte += count;
        src->bytes_in_buffer -= static_cast<std::size_t>(count);
    }
}

void termSource(j_decompress_ptr) {}

// Called before each piece of input is read: a picture stops once its scans
// would visit too many blocks (each scan visits them all). The blocks are
// counted once the header is read.
void watchScans(j_common_ptr common) {
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    const auto* d = reinterpret_cast<const Decoder*>(info);
    if (qint64(info->input_scan_number) * d->blocks > kMaxJpegBlockVisits)
        ERREXIT1(info, JERR_IMAGE_TOO_BIG, JPEG_MAX_DIMENSION);
}

void prepare(Decoder& d, QIODevice& device) {
    d.info.err = jpeg_std_error(&d.error.pub);
    d.error.pub.error_exit = errorExit;
    d.error.pub.emit_message = emitMessage;
    d.error.pub.output_message = outputMessage;
    d.source.device = &device;
    d.source.pub.init_source = initSource;
    d.source.pub.fill_input_buffer = fillInput;
    d.source.pub.skip_input_data = skipInput;
    d.source.pub.resync_to_restart = jpeg_resync_to_restart;
    d.source.pub.term_source = termSource;
    d.source.pub.bytes_in_buffer = 0;
    d.source.pub.next_input_byte = nullptr;
    d.progress.progress_monitor = watchScans;
    d.blocks = 0;
    d.created = false;
}

bool isCmyk(const jpeg_decompress_struct& info) {
    return info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
}

qint64 roundUp(qint64 value, qint64 step) {
    return (value + step - 1) / step * step;
}

// The blocks the coefficient arrays of a picture of several scans hold.
qint64 coefficientBlocks(const jpeg_decompress_struct& info) {
    qint64 blocks = 0;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info& comp = info.comp_info[c];
        blocks +=
            roundUp(comp.width_in_blocks, comp.h_samp_factor) * roundUp(comp.height_in_blocks, comp.v_samp_factor);
    }
    return blocks;
}

// The smallest scale n/8 at which the output covers the field both ways
// (the whole picture when field is empty), no larger than kMaxJpegPixels
// allows. False when even 1/8 is too large.
bool chooseScale(jpeg_decompress_struct& info, QSize field) {
    const QSize want = field.isEmpty() ? QSize(int(info.image_width), int(info.image_height)) : field;
    unsigned chosen = 0;
    for (unsigned n = 1; n <= 8; ++n) {
        info.scale_num = n;
        info.scale_denom = 8;
        jpeg_calc_output_dimensions(&info);
        if (qint64(info.output_width) * info.output_height > kMaxJpegPixels) break;
        chosen = n;
        if (info.output_width >= unsigned(want.width()) && info.output_height >= unsigned(want.height())) break;
    }
    if (chosen == 0) return false;
    info.scale_num = chosen;
    jpeg_calc_output_dimensions(&info);
    return true;
}

// Reads the header and chooses the scale. False after a fatal error.
bool readHeaderProtected(Decoder& d, QSize field) {
    if (setjmp(d.error.jump)) return false;
    jpeg_create_decompress(&d.info);
    d.created = true;
    d.info.src = &d.source.pub;
    d.info.progress = &d.progress;
    jpeg_read_header(&d.info, TRUE);
    d.blocks = coefficientBlocks(d.info);
    d.info.out_color_space = isCmyk(d.info) ? JCS_CMYK : JCS_GRAYSCALE;
    if (!chooseScale(d.info, field)) ERREXIT1(&d.info, JERR_IMAGE_TOO_BIG, JPEG_MAX_DIMENSION);
    return true;
}

// A picture of several scans keeps the coefficients of the whole picture,
// whatever the output scale; every picture keeps its decoded grey rows.
JpegPlan planOf(const Decoder& d) {
    const qint64 coefficients = jpeg_has_multiple_scans(const_cast<j_decompress_ptr>(&d.info))
                                    ? d.blocks * DCTSIZE2 * qint64(sizeof(JCOEF))
                                    : 0;
    const qint64 rows = qint64(d.info.output_width) * d.info.output_height;
    return {QSize(int(d.info.output_width), int(d.info.output_height)), coefficients + rows};
}

bool startProtected(Decoder& d) {
    if (setjmp(d.error.jump)) return false;
    jpeg_start_decompress(&d.info);
    return true;
}

// Decodes every row into rows (bytesPerLine apart), one grey byte a pixel.
bool readProtected(Decoder& d, uchar* rows, qsizetype bytesPerLine) {
    if (setjmp(d.error.jump)) return false;
    JSAMPARRAY line =
        (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info), JPOOL_IMAGE,
                                    d.info.output_width * static_cast<JDIMENSION>(d.info.output_components), 1);
    while (d.info.output_scanline < d.info.output_height) {
        uchar* out = rows + bytesPerLine * d.info.output_scanline;
        jpeg_read_scanlines(&d.info, line, 1);
        const JSAMPLE* in = line[0];
        for (JDIMENSION x = 0; x < d.info.output_width; ++x) {
            if (d.info.output_components == 4) {
                // Adobe writes CMYK inverted: the value is the ink left out.
                const JSAMPLE* p = in + 4 * x;
                const int k = p[3];
                out[x] = static_cast<uchar>((p[0] * 30 + p[1] * 59 + p[2] * 11) / 100 * k / 255);
            } else {
                out[x] = in[x];
            }
        }
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

[[noreturn]] void fail(const Decoder& d) {
    throw FieldError(QStringLiteral("JPEG error #%1").arg(d.error.pub.msg_code));
}

} // namespace

QImage decodeJpeg(QIODevice& device, QSize field, const JpegCheck& check) {
    auto d = std::make_unique<Decoder>();
    prepare(*d, device);
    struct Cleanup {
        Decoder& d;
        ~Cleanup() {
            if (d.created) jpeg_destroy_decompress(&d.info);
        }
    } cleanup{*d};
    if (!readHeaderProtected(*d, field)) fail(*d);
    const JpegPlan plan = planOf(*d);
    if (!PictureBudget::fitsAlone(plan.bytes) || (check && !check(plan))) {
        d->error.pub.msg_code = JERR_IMAGE_TOO_BIG;
        fail(*d);
    }
    if (!startProtected(*d)) fail(*d);
    QImage picture(plan.output, QImage::Format_Grayscale8);
    if (picture.isNull()) {
        d->error.pub.msg_code = JERR_OUT_OF_MEMORY;
        fail(*d);
    }
    if (!readProtected(*d, picture.bits(), picture.bytesPerLine())) fail(*d);
    return picture;
}

QImage decodeJpeg(const QByteArray& data, QSize field, const JpegCheck& check) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return decodeJpeg(buffer, field, check);
}

QImage readJpegFile(const QString& path, QSize field, const JpegCheck& check) {
    QFile file;
    if (!openRegularFile(file, path)) {
        // Stays closed: decoded as empty data, so it fails like a file that is no JPEG.
    }
    return decodeJpeg(file, field, check);
}
