#include "widgets/QuorProcessDialog.h"

#include <QLabel>
#include <QMovie>
#include <QTimer>

QuorProcessDialog::QuorProcessDialog(QWidget *centreOn, QWidget *parent, Qt::WindowFlags)
    : QDialog(parent)
    , m_label(new QLabel(this))
    , m_movie(new QMovie(QStringLiteral(":/skin/loading.gif"), QByteArray(), this))
{
    setFixedSize(Side, Side);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    if (centreOn) {
        const QRect g = centreOn->geometry();
        move(g.x() + g.width() / 2 - Side / 2, g.y() + g.height() / 2 - Side / 2);
    }
    m_label->setGeometry(0, 0, Side, Side);
    // Without the animation the dialog stays empty.
    if (m_movie->isValid()) {
        m_movie->start();
        m_label->setMovie(m_movie);
    }
}

QuorProcessDialog::~QuorProcessDialog() = default;

// QDialog's Escape and close both end here.
void QuorProcessDialog::reject() {}

void QuorProcessDialog::slotProcessDlg()
{
    QTimer::singleShot(0, this, &QuorProcessDialog::updateProgress);
}

void QuorProcessDialog::updateProgress()
{
    accept();
}
