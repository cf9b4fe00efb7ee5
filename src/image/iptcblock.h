// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "standardvalues.h"

// The attribute datasets of a photo's IPTC-IIM block as another program left
// them; absent ones are empty optionals.
struct TIptcAttributes {
  bool Present = false;                // the photo has an IPTC-IIM block
  bool DigestStale = false;            // its stored digest exists and differs from the block's own
  std::optional<QString> ObjectName;   // 2:05
  std::optional<QString> Caption;      // 2:120 Caption-Abstract
  std::optional<QString> SubLocation;  // 2:92
  TDateTime DateCreated = 0;           // 2:55 with 2:60; 0 when absent or unreadable
};

// The Photoshop image resource blocks of a JPEG's APP13 segment and the
// IPTC-IIM block among them (resource 0x0404), with the digest (resource
// 0x0425) by which programs that know XMP tell whether the IIM block was
// changed behind their back.
//
// Reading takes every resource and dataset that is sound and stops at the
// first that is not, so a truncated block still yields what it has. Writing
// (Apply) changes the attribute datasets only: every other dataset keeps its
// bytes (unless the block moves to UTF-8, when its texts are re-encoded) and
// every other resource is copied as it was; the datasets go through the
// metadata library's IIM serializer. Nothing here throws.
class TIptcBlock {
public:
  // The IIM limits of the attribute datasets, in bytes.
  static constexpr int ObjectNameLimit = 64;
  static constexpr int SubLocationLimit = 32;
  static constexpr int CaptionLimit = 2000;

  struct TDataset {
    int Record = 0;
    int Number = 0;
    QByteArray Value;
    friend bool operator==(const TDataset&, const TDataset&) = default;
  };
  struct TResource {
    QByteArray Head;  // type, id and name as they stand in the block
    int Id = 0;
    QByteArray Data;
  };

  // The resource blocks after "Photoshop 3.0" and its NUL.
  void Load(const QByteArray& resources);
  // Some resource or dataset was cut short or made no sense.
  [[nodiscard]] bool IsDamaged() const { return FDamaged; }
  [[nodiscard]] bool HasIptc() const { return FIptc >= 0; }
  [[nodiscard]] bool IsUtf8() const;
  [[nodiscard]] const std::vector<TDataset>& Datasets() const { return FDatasets; }
  [[nodiscard]] const std::vector<TResource>& Resources() const { return FResources; }

  [[nodiscard]] TIptcAttributes Attributes() const;

  // The resource blocks with the attribute datasets set as given (an empty
  // value removes its datasets): ObjectName, Caption-Abstract, Sub-location,
  // DateCreated and TimeCreated, texts cut to the IIM limits between
  // characters. Texts stay in Windows-1252 unless the block is UTF-8 (1:90)
  // or one of ours does not fit it; then 1:90 is set and every text of the
  // block becomes UTF-8. The digest is brought up to date when it was absent
  // or matched the old block. Empty, with the reason, when the block cannot
  // be rewritten.
  [[nodiscard]] QByteArray Apply(const TStandardValues& values, QString* reason = nullptr) const;

  // Whether two blocks hold the same resources and datasets apart from the
  // attribute datasets, the character set and the digest; texts that a
  // move to UTF-8 re-encoded compare by their characters.
  [[nodiscard]] static bool SameOtherData(const TIptcBlock& before, const TIptcBlock& after,
                                          QString* difference = nullptr);

  // The text of a dataset value in the block's character set.
  [[nodiscard]] static QString DecodeText(const QByteArray& value, bool utf8);
  // The IIM date (2:55, "YYYYMMDD") and time (2:60, "HHMMSS±HHMM") of a
  // date, the time with the local zone's offset on that day.
  [[nodiscard]] static QByteArray DateText(TDateTime date);
  [[nodiscard]] static QByteArray TimeText(TDateTime date);
  // The clock time of 2:55 and 2:60 (the zone ignored); 0 when unreadable.
  [[nodiscard]] static TDateTime ParseDate(const QByteArray& date, const QByteArray& time);

private:
  [[nodiscard]] const QByteArray* Value(int record, int number) const;

  std::vector<TResource> FResources;
  std::vector<TDataset> FDatasets;
  int FIptc = -1;    // index of the IIM resource
  int FDigest = -1;  // index of the digest resource
  bool FDamaged = false;
};
