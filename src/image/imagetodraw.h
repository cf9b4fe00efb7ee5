// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datetime.h"
#include "gprect.h"
#include "gpstatus.h"
#include "imageformats.h"
#include "photoattributes.h"
#include "photorecord.h"
#include "propertyitem.h"
#include "redeyes.h"

#include <QPoint>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

class TGPImage;
class TExifStore;
class TXmpSidecar;
struct TStandardAttributes;
struct TJpegHeader;
struct TStandardValues;

// What a save writes: Zelvane's own items only, or also the attributes in
// the places other programs read (XMP, IPTC-IIM when the photo has it, EXIF
// ImageDescription when the photo has one).
enum class TMetadataScope { PrivateOnly, PrivateAndStandard };

// The photo record: one image file, the attributes the user gives it and,
// while somebody needs them, its decoded pixels.
//
// The attributes live in the JPEG file itself as private EXIF items 61000 to
// 61008; a file without them takes what other programs wrote (XMP, IPTC,
// EXIF ImageDescription), else a name from its file name and a date from the
// camera or the file, and its rotation from the EXIF orientation. Creating a record opens nothing; the pixels are
// loaded on demand (EnsureLoaded), counted by their holders (AcquireImage /
// ReleaseImage, through a TImagePin) and freed when the last one lets go,
// while the attributes stay.
//
// The record owns its state: everybody else reads the attributes as one
// snapshot (Attributes) and replaces them whole (SetAttributes); the load
// failure, the pin count and the rest have their own readers. Each takes the
// record's private Lock, which also guards the pixels; a view (TImageScaled,
// a friend) holds it while it reads the pixels it draws.
class TImageToDraw : public std::enable_shared_from_this<TImageToDraw> {
public:
  // The ids of the stored items.
  enum : quint32 {
    IdMarker = 61000,
    IdName = 61001,
    IdDescription = 61002,
    IdDateTime = 61003,
    IdLocation = 61004,
    IdActors = 61005,
    IdRotation = 61006,
    IdRedEyes = 61007,
    IdROI = 61008,
  };
  static constexpr const char* MarkerText = "Vorn Software";
  // How long a save waits for another program's save of the same photo.
  static constexpr int SaveLockTimeoutMs = 5000;

  // Stores the path and the provisional attributes; opens nothing. A file
  // that does not exist gets the zero date until a load reports the error.
  explicit TImageToDraw(const QString& fileName);
  ~TImageToDraw();
  TImageToDraw(const TImageToDraw&) = delete;
  TImageToDraw& operator=(const TImageToDraw&) = delete;

  const QString FileName;
  std::function<void(TImageToDraw*)> OnChange;  // after a successful Save

  // The attributes as one value, read whole under Lock: what other threads'
  // code reads instead of the fields.
  [[nodiscard]] TPhotoAttributes Attributes() const;
  // Replaces the attributes whole, under Lock.
  void SetAttributes(const TPhotoAttributes& attributes);
  // A failed load's "Error N" and its reason, read under Lock; both empty
  // when the last load went well.
  struct TLoadFailure {
    QString Message;
    QString Reason;
    // "Error N: reason" (or just the message), as the list's tool tip says it.
    [[nodiscard]] QString Line() const { return Reason.isEmpty() ? Message : Message + QLatin1String(": ") + Reason; }
  };
  [[nodiscard]] TLoadFailure LoadFailure() const;
  // Takes a failure known from before (the thumbnail store's record of it)
  // when no load has reported one yet.
  void NoteKnownFailure(const QString& message, const QString& reason);
  // Loaded without error, upright in the file, without red-eye corrections
  // and without a region of interest of its own: the picture shows as any
  // other program shows it.
  [[nodiscard]] bool ShowsAsStored() const;
  // For diagnostics and tests: how many pins hold the pixels, whether the
  // attributes were read, the camera's EXIF orientation (1 when absent).
  [[nodiscard]] int PinCount() const;
  [[nodiscard]] bool AttributesRead() const;
  [[nodiscard]] int StoredOrientation() const;
  // Whether a save can write the attributes into the file (read under Lock;
  // CannotSaveReason says why not).
  [[nodiscard]] bool Saveable() const;
  // The picture's size as the file stores it (unrotated), once read.
  [[nodiscard]] TGPRect PictureRect() const;

  [[nodiscard]] QString ShortName() const;
  // A JPEG (by its extension) holds its attributes itself; every other
  // photo keeps them in its XMP sidecar (TXmpSidecar). A file of no listed
  // type has no sidecar rule (and cannot take attributes at all).
  [[nodiscard]] bool KeepsAttributesInFile() const {
    return FReader == ImageFormats::TReader::Jpeg || FReader == ImageFormats::TReader::None;
  }
  // Why the photo cannot take its attributes, in one line ("Read-only file",
  // "Only .jpg files can hold the attributes", a failed load's error and
  // reason); empty while CanSave.
  [[nodiscard]] QString CannotSaveReason() const;
  [[nodiscard]] bool IsLoaded() const { return FLoaded.load(std::memory_order_acquire); }
  void EnsureLoaded();
  [[nodiscard]] TGPImage* GetImage();
  // Reads the attributes, the picture size and CanSave from the file's head
  // without decoding its pixels (once; a loaded record has them already).
  // preview: the embedded preview's JPEG bytes from the same read, for a
  // thumbnail that would otherwise read and parse the head again. True when
  // a JPEG head was read now and read well: preview then holds its embedded
  // preview, or nothing when it has none.
  bool LoadAttributes(QByteArray* preview = nullptr);
  // Decodes the file and re-reads every attribute. Callers use EnsureLoaded.
  void LoadImage();
  // Writes the attributes into the file's EXIF block and, with
  // PrivateAndStandard, into its XMP packet (made when there is none), its
  // IPTC block and its ImageDescription (when there are), moving nothing
  // else; throws EZelvaneError (the message with its reason on a second
  // line) on failure, the file then untouched.
  void Save(TMetadataScope scope = TMetadataScope::PrivateAndStandard);
  // The nine stored items as Save writes them (61007 only when RedEyes is set).
  [[nodiscard]] std::vector<TPropertyItem> StoredItems() const;
  // The attributes as the standard places get them: only what the user
  // gave, so not a name that is the file name nor a date that is the file's.
  [[nodiscard]] TStandardValues StandardValues() const;
  // The same for a snapshot of this record's attributes.
  [[nodiscard]] TStandardValues StandardValues(const TPhotoAttributes& attributes) const;

  // The clockwise quarter turn that shows a photo of this EXIF orientation
  // upright (a mirrored one is shown with its turn, unmirrored).
  [[nodiscard]] static int RotationOfOrientation(int orientation);

  // Red-eye corrections painted into Image, each under Lock. CreateRedEye
  // returns null when the disc holds no red pixel; the caller keeps Image
  // loaded.
  [[nodiscard]] std::unique_ptr<TRedEyes> CreateRedEye(QPoint point, int tolerance, int radius);
  void ApplyRedEye(TRedEyes& correction);
  void RestoreRedEye(TRedEyes& correction);
  // Paints every correction of RedEyes, as a view does when it shows the
  // freshly loaded photo.
  void ApplyRedEyes();

  // How many times the file was decoded; for diagnostics and tests.
  [[nodiscard]] int LoadCount() const { return FLoadCount.load(); }

private:
  friend class TImagePin;
  friend class TImageScaled;  // the view draws the pixels under Lock
  std::unique_ptr<TGPImage> Image;  // empty while not loaded
  const ImageFormats::TReader FReader;
  bool CanSave = false;
  QString SidecarRefusal;  // why the sidecar cannot be written, when it cannot
  QString ErrorMessage;  // "Error N" after a failed load
  QString ErrorReason;   // its cause in plain words ("not a regular file", the system's text), or empty
  TGPRect ImageRect;
  bool IsBitmap = false;
  TPhotoAttributes FAttributes;  // the red-eye list is null until the first load
  int UsageCount = 0;
  // A standard mutex, which ThreadSanitizer sees through. Not re-entrant:
  // what runs with it held calls only the unlocked helpers (Do..., Free...).
  mutable std::mutex Lock;
  bool AttributesLoaded = false;
  // The camera's EXIF orientation (1 upright, also when absent).
  int ExifOrientation = 1;

  // A field read under Lock.
  template <typename T>
  [[nodiscard]] T Read(const T& field) const {
    std::lock_guard locker(Lock);
    return field;
  }
  void AcquireImage();
  void ReleaseImage();
  void FreeImage();       // with Lock held
  void DoLoadImage();     // with Lock held
  void DoApplyRedEyes();  // with Lock held
  void DoChange();   // after a successful Save: OnChange
  // head: the file's bytes up to its first scan at least (the XMP and IPTC
  // blocks are read from there when the marker is absent).
  void ReadAttributes(const TExifStore& exif, const QByteArray& head, const TJpegHeader& header);
  void ReadOrientation(const TExifStore& exif);
  // The attributes of a photo without Zelvane's items: what other programs
  // wrote, else the file name, the given date (else the file's) and the
  // rotation of the EXIF orientation.
  void DeriveAttributes(const TStandardAttributes& standard, TDateTime date);
  [[nodiscard]] static TDateTime CameraDate(const TExifStore& exif);
  void CheckReadOnly();
  // Ends a load with "Error N" and the reason (else the status's own words).
  [[noreturn]] static void RaiseStatus(TGPStatus status, const QString& reason = QString());
  // A photo that keeps its attributes in an XMP sidecar (every format but
  // JPEG): loads its size (and with decode its pixels) through TPictureFile,
  // then its attributes, the sidecar first. With Lock held, inside RunLoad.
  void LoadWithSidecar(bool decode);
  void ReadSidecarAttributes(const TExifStore& exif, const QByteArray& fileXmp, const TXmpSidecar& sidecar,
                             bool transformed);
  // Save for such a photo: the sidecar is written whole, the photo never
  // opened for writing. With Lock held.
  void SaveSidecar(TMetadataScope scope);
  [[nodiscard]] bool HasSaveableName() const;  // ".jpg" in any letter case
  [[nodiscard]] bool IsWritable() const;
  void SetImage(std::unique_ptr<TGPImage> image);
  template <typename Step>
  void RunLoad(Step step);

  std::atomic<bool> FLoaded{false};
  std::atomic<int> FLoadCount{0};
};

// Keeps a record's decoded pixels while it lives: the record is acquired on
// construction and released on destruction (or Release), and the last
// holder's release frees the pixels. Movable, so a view or a job can own one.
class TImagePin {
public:
  TImagePin() = default;
  explicit TImagePin(TImageToDraw& record) : FRecord(&record) { record.AcquireImage(); }
  ~TImagePin() { Release(); }
  TImagePin(TImagePin&& other) noexcept : FRecord(std::exchange(other.FRecord, nullptr)) {}
  TImagePin& operator=(TImagePin&& other) noexcept {
    if (this != &other) {
      Release();
      FRecord = std::exchange(other.FRecord, nullptr);
    }
    return *this;
  }
  TImagePin(const TImagePin&) = delete;
  TImagePin& operator=(const TImagePin&) = delete;

  [[nodiscard]] TImageToDraw* Record() const { return FRecord; }
  void Release() {
    if (FRecord) std::exchange(FRecord, nullptr)->ReleaseImage();
  }

private:
  TImageToDraw* FRecord = nullptr;
};
