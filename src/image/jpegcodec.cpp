// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpegcodec.h"

#include "jpegsegments.h"

#include <csetjmp>
#include <cstring>
#include <cstdlib>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
#include <vector>

namespace {

// Progressive files can hold any number of scans; a hostile file with
// thousands of tiny ones would keep a worker busy for minutes.
constexpr int MaxScans = 500;

struct TErrorManager {
  jpeg_error_mgr Base;
  jmp_buf Jump;
  bool Truncated = false;
  TGPStatus Status = GenericError;
};

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<TErrorManager*>(cinfo->err);
  if (cinfo->err->msg_code == JERR_OUT_OF_MEMORY) err->Status = OutOfMemory;
  longjmp(err->Jump, 1);
}

void EmitMessage(j_common_ptr cinfo, int level) {
  // Level -1 is a warning about damaged data. A premature end of the data
  // means the picture would be drawn half grey: count it as a failure.
  auto* err = reinterpret_cast<TErrorManager*>(cinfo->err);
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) err->Truncated = true;
}

void OutputMessage(j_common_ptr) {}

struct TProgress {
  jpeg_progress_mgr Base;
  j_decompress_ptr Info;
};

void ProgressMonitor(j_common_ptr cinfo) {
  auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (d->is_decompressor && d->input_scan_number > MaxScans) {
    auto* err = reinterpret_cast<TErrorManager*>(cinfo->err);
    err->Status = GenericError;
    longjmp(err->Jump, 1);
  }
}

void InstallErrorManager(jpeg_common_struct* cinfo, TErrorManager& err) {
  cinfo->err = jpeg_std_error(&err.Base);
  err.Base.error_exit = ErrorExit;
  err.Base.emit_message = EmitMessage;
  err.Base.output_message = OutputMessage;
}

// The decompressor with its error handling; the caller must setjmp on Err.Jump
// before each call that can fail.
struct TDecompressor {
  jpeg_decompress_struct Info{};
  TErrorManager Err;
  TProgress Progress{};

  TDecompressor() {
    InstallErrorManager(reinterpret_cast<jpeg_common_struct*>(&Info), Err);
    jpeg_create_decompress(&Info);
    Info.mem->max_memory_to_use = 2048L * 1024 * 1024;
    Progress.Base.progress_monitor = ProgressMonitor;
    Progress.Info = &Info;
    Info.progress = &Progress.Base;
  }
  ~TDecompressor() { jpeg_destroy_decompress(&Info); }
};

void SetScale(jpeg_decompress_struct& info, int scaleDenominator) {
  info.scale_num = 1;
  info.scale_denom = (scaleDenominator == 2 || scaleDenominator == 4 || scaleDenominator == 8) ? scaleDenominator : 1;
}

// Adobe writes CMYK inverted; that is what nearly every CMYK JPEG holds.
QRgb CmykToRgb(const JSAMPLE* p, bool inverted) {
  int c = p[0], m = p[1], y = p[2], k = p[3];
  if (!inverted) {
    c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k;
  }
  return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

}  // namespace

namespace {

// Everything the decode changes lives outside the function that calls setjmp,
// so nothing it reads after a longjmp is an indeterminate local.
struct TDecodeState {
  QImage Image;
  std::vector<JSAMPLE> CmykRow;
};

bool DecodeInto(TDecompressor& d, const QByteArray& data, int scaleDenominator, TDecodeState& state,
                TGPStatus& status) {
  if (setjmp(d.Err.Jump)) {
    status = d.Err.Status;
    return false;
  }
  jpeg_mem_src(&d.Info, reinterpret_cast<const unsigned char*>(data.constData()), data.size());
  jpeg_save_markers(&d.Info, JPEG_APP0 + 14, 16);  // Adobe marker: tells how CMYK is stored
  if (jpeg_read_header(&d.Info, TRUE) != JPEG_HEADER_OK) {
    status = UnknownImageFormat;
    return false;
  }
  SetScale(d.Info, scaleDenominator);
  const bool cmyk = d.Info.jpeg_color_space == JCS_CMYK || d.Info.jpeg_color_space == JCS_YCCK;
  d.Info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
  jpeg_calc_output_dimensions(&d.Info);
  if (qint64(d.Info.output_width) * d.Info.output_height > TJpegCodec::MaxPixels || d.Info.output_width == 0 ||
      d.Info.output_height == 0) {
    status = OutOfMemory;
    return false;
  }
  jpeg_start_decompress(&d.Info);
  state.Image = QImage(int(d.Info.output_width), int(d.Info.output_height), QImage::Format_RGB32);
  if (state.Image.isNull()) {
    status = OutOfMemory;
    return false;
  }
  bool invertedCmyk = false;
  for (jpeg_saved_marker_ptr m = d.Info.marker_list; m; m = m->next)
    if (m->marker == JPEG_APP0 + 14 && m->data_length >= 5 && memcmp(m->data, "Adobe", 5) == 0) invertedCmyk = true;
  if (cmyk) state.CmykRow.resize(size_t(d.Info.output_width) * 4);
  while (d.Info.output_scanline < d.Info.output_height && !d.Err.Truncated) {
    const int y = int(d.Info.output_scanline);
    if (cmyk) {
      JSAMPROW row = state.CmykRow.data();
      jpeg_read_scanlines(&d.Info, &row, 1);
      auto* out = reinterpret_cast<QRgb*>(state.Image.scanLine(y));
      for (JDIMENSION x = 0; x < d.Info.output_width; ++x)
        out[x] = CmykToRgb(&state.CmykRow[size_t(x) * 4], invertedCmyk);
    } else {
      JSAMPROW row = state.Image.scanLine(y);
      jpeg_read_scanlines(&d.Info, &row, 1);
    }
  }
  if (d.Err.Truncated) {
    status = GenericError;
    return false;
  }
  jpeg_finish_decompress(&d.Info);
  status = Ok;
  return true;
}

struct TEncodeState {
  unsigned char* Buffer = nullptr;
  unsigned long Size = 0;
  ~TEncodeState() { free(Buffer); }
};

bool EncodeInto(jpeg_compress_struct& info, TErrorManager& err, const QImage& image, int quality,
                TEncodeState& state, TGPStatus& status) {
  if (setjmp(err.Jump)) {
    status = err.Status;
    return false;
  }
  jpeg_mem_dest(&info, &state.Buffer, &state.Size);
  info.image_width = JDIMENSION(image.width());
  info.image_height = JDIMENSION(image.height());
  info.input_components = 4;
  info.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, qBound(1, quality, 100), TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(image.constScanLine(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  status = Ok;
  return true;
}

}  // namespace

QImage TJpegCodec::Decode(const QByteArray& data, int scaleDenominator, TGPStatus& status) {
  if (!TJpegSegments::HasJpegSignature(data)) {
    status = UnknownImageFormat;
    return {};
  }
  TDecompressor d;
  TDecodeState state;
  if (!DecodeInto(d, data, scaleDenominator, state, status)) return {};
  return state.Image;
}

QByteArray TJpegCodec::Encode(const QImage& source, int quality, TGPStatus& status) {
  if (source.isNull()) {
    status = InvalidParameter;
    return {};
  }
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  jpeg_compress_struct info{};
  TErrorManager err;
  InstallErrorManager(reinterpret_cast<jpeg_common_struct*>(&info), err);
  jpeg_create_compress(&info);
  TEncodeState state;
  const bool ok = EncodeInto(info, err, image, quality, state, status);
  jpeg_destroy_compress(&info);
  if (!ok) return {};
  return QByteArray(reinterpret_cast<const char*>(state.Buffer), qsizetype(state.Size));
}
