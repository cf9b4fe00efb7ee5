#include "photoexercise.h"

#include "attrcommand.h"
#include "imagescaled.h"
#include "imagetodraw.h"
#include "zelvaneerror.h"

QString ExercisePhoto(const QString& path) {
  QString json;
  {
    TImageToDraw record(path);
    record.LoadAttributes();
    json += TAttrCommand::RecordJson(path, record) + u'\n';
  }
  {
    TImageToDraw record(path);
    TImageScaled thumbnail(&record);
    thumbnail.ReducedDecode = true;
    thumbnail.SetTargetRect({0, 0, 64, 64});
    (void)thumbnail.GetScaledBitmap();
    thumbnail.SetRotation(90);
    thumbnail.SetUseROI(true);
    (void)thumbnail.GetScaledBitmap();
  }
  {
    TImageToDraw record(path);
    record.AcquireImage();
    record.EnsureLoaded();
    record.ApplyRedEyes();
    if (record.RedEyes)
      for (const auto& correction : *record.RedEyes) record.RestoreRedEye(*correction);
    json += TAttrCommand::RecordJson(path, record) + u'\n';
    if (record.CanSave) {
      try {
        record.Save();
        TImageToDraw reread(path);
        reread.LoadAttributes();
        json += TAttrCommand::RecordJson(path, reread) + u'\n';
      } catch (const EZelvaneError&) {
      }
    }
    record.ReleaseImage();
  }
  return json;
}
