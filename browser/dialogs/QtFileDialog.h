#pragma once

#include "FileDialog.h"

// The toolkit's own open-file dialog: no filter, the toolkit's default title.
class QtFileDialog : public FileDialog {
public:
    bool showOpen(QWidget* parent) override;
    QString fileName() const override { return m_fileName; }

private:
    QString m_fileName;
};
