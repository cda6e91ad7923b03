#pragma once
// Placing a new field: the values a field of each kind starts with, drawing a
// field from its own properties, and the placement itself.
#include "model/MessageTemplate.h"

class PictureBudget;

// Sets the values of a newly placed field of the element's UserStyle.
void applyNewFieldDefaults(FieldImage& field);
// EAN_13, SC9, 85 %, "1234567890128", human-readable on (repaints the barcode).
void applyNewBarcodeDefaults(Barcode& barcode);

// Redraws a field from its properties as its panel shows them: the preview
// height is the label of UserFontSize, the date style that of UserValue (none
// when it is no style code), the expiry's days UserPeriod, the dates of now.
// A picture field keeps its size, is framed, and reads UserValue when it holds
// a path (a JPEG that cannot be read throws FieldError, the box stays white).
void drawFieldPreview(FieldImage& field, const QDateTime& now);

// Draws a field as it shows itself right after a file is opened: the variable
// kinds at UserFontSize dots (box UserFontSize + 2 high), a date or expiry with
// the sample text of its style instead of a date; a picture field is framed at
// its size and reads UserValue, white on any failure. Returns why a picture
// could not be loaded, empty otherwise. A relative picture path not found from
// the current folder is read from templateFolder (the opened file's folder).
// The picture's reading is paid from the budget when one is given
// (TemplateTooLargeError when it cannot be).
QString drawOpenedPreview(FieldImage& field, const QString& templateFolder = {}, PictureBudget* budget = nullptr);

// Creates an element of the kind with its top-left corner at template point
// (x, y), gives it the defaults of its kind and draws it, numbers it with
// MessageTemplate::takeNextNumber, adds it and selects it. If drawing fails
// (a BarcodeError or FieldError), nothing is added and no number is taken.
// Dates are drawn for the template's now().
FieldElement& placeField(MessageTemplate& message, eStyle kind, int x, int y);
