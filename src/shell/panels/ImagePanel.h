#pragma once
// The property panel of a picture field (GrpBox_Image): the picture's path,
// the file button and the size the picture is scaled to.
#include "model/FieldPicture.h"
#include "shell/panels/FieldPanel.h"

#include <optional>

class QLineEdit;

class ImagePanel : public FieldPanel {
    Q_OBJECT
public:
    explicit ImagePanel(MessageTemplate& message, QWidget* parent = nullptr);

    struct Choice {
        QString path;
        PictureType type; // from the dialog's filter entry
    };
    // Asks for a picture file; none on cancel. The default opens the picture
    // file dialog; tests put their own in.
    using Chooser = std::function<std::optional<Choice>(QWidget* parent)>;
    void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }

protected:
    void fillFrom(FieldElement& element) override;

private:
    void loadChosenPicture();
    void resize(std::optional<int> width, std::optional<int> height);

    QLineEdit* source_;
    NumberBox* width_;
    NumberBox* height_;
    Chooser chooser_;
};

// The picture file dialog: BMP and the two JPEG entries, default extension bmp.
std::optional<ImagePanel::Choice> choosePictureFile(QWidget* parent);
