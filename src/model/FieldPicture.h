#pragma once
// Picture fields: reading a picture file and scaling it onto the element.
#include "model/FieldImage.h"

#include <QImage>
#include <QString>

class PictureBudget;

enum class PictureType { Bmp, Jpeg };

// Bmp when the path's extension is exactly ".bmp" (lower case); Jpeg otherwise.
PictureType pictureTypeForPath(const QString& path);

// Reads the picture at path as the given type and scales it onto the element's
// whole rectangle (frame included), one bit per dot; returns true then.
// A BMP that cannot be read (or is missing) returns false and leaves the element
// as it was. A JPEG that cannot be read throws FieldError "JPEG error #<n>" and
// leaves the element as it was. A path of blanks only is not read (false).
// A JPEG is decoded no larger than the element needs (JpegReader.h). Reading
// and scaling a picture that would hold more than a whole budget
// (PictureBudget.h) fails like an unreadable picture of its type ("JPEG error
// #41"); with a budget, the reading is paid from it, and a budget with too
// little left throws TemplateTooLargeError.
bool loadFieldPictureAs(FieldImage& element, const QString& path, PictureType type, PictureBudget* budget = nullptr);
// The same with the type taken from the path's extension.
bool loadFieldPicture(FieldImage& element, const QString& path, PictureBudget* budget = nullptr);

// A picture scaled to exactly width x height and reduced to one bit per dot.
QImage scaleToMono(const QImage& picture, int width, int height);
