#pragma once

#include "datetime.h"
#include "gprect.h"
#include "propertyitem.h"
#include "redeyes.h"

#include <QPoint>
#include <QRecursiveMutex>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class TGPImage;

// The photo record: one image file, the attributes the user gives it and,
// while somebody needs them, its decoded pixels.
//
// The attributes live in the JPEG file itself as private EXIF items 61000 to
// 61008; a file without them gets a name from its file name and a date from
// the camera or the file. Creating a record opens nothing; the pixels are
// loaded on demand (EnsureLoaded), counted by their holders (AcquireImage /
// ReleaseImage) and freed when the last one lets go, while the attributes stay.
//
// Lock guards Image, UsageCount and every pixel access; it is re-entrant.
// The attribute fields are not locked: the user-interface thread edits them,
// and a load writes them while holding Lock.
class TImageToDraw {
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

  std::unique_ptr<TGPImage> Image;  // empty while not loaded
  bool CanSave = false;
  QString ErrorMessage;  // "Error N" after a failed load
  QString ErrorReason;   // its cause in plain words ("not a regular file", the system's text), or empty
  TGPRect ImageRect;
  bool IsBitmap = false;
  QString Name;
  QString Description;  // may hold CR LF line breaks
  TDateTime DateTime = 0;
  QString Location;
  QString Actors;  // "Anna;Bob;"
  int Rotation = 0;  // 0, 90, 180 or 270, clockwise
  TRedEyesListPtr RedEyes;  // null until the first load
  TGPRect ROI;  // stored (unrotated) pixel coordinates
  std::function<void(TImageToDraw*)> OnChange;  // after a successful Save
  int UsageCount = 0;
  QRecursiveMutex Lock;
  const QString FileName;
  bool AttributesLoaded = false;
  // The file carried the "Vorn Software" marker when it was last read.
  bool HasMarker = false;
  // The camera's EXIF orientation (1 upright, also when absent).
  int ExifOrientation = 1;

  [[nodiscard]] QString ShortName() const;
  // Why the photo cannot take its attributes, in one line ("Read-only file",
  // "Only .jpg files can hold the attributes", a failed load's error and
  // reason); empty while CanSave.
  [[nodiscard]] QString CannotSaveReason() const;
  void AcquireImage();
  void ReleaseImage();
  void FreeImage();  // with Lock held
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
  // Writes the attributes into the file's EXIF block, moving nothing else;
  // throws EZelvaneError (the message with its reason on a second line) on
  // failure, the file then untouched.
  void Save();
  // The nine stored items as Save writes them (61007 only when RedEyes is set).
  [[nodiscard]] std::vector<TPropertyItem> StoredItems() const;
  void DoChange();

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
  void ReadAttributes(const class TExifStore& exif);
  void CheckReadOnly();
  [[nodiscard]] bool HasSaveableName() const;  // ".jpg" in any letter case
  [[nodiscard]] bool IsWritable() const;
  void SetImage(std::unique_ptr<TGPImage> image);
  template <typename Step>
  void RunLoad(Step step);

  std::atomic<bool> FLoaded{false};
  std::atomic<int> FLoadCount{0};
};
