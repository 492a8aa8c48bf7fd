// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas/ChangeReport.h"

ChangeReport::ChangeReport(QSize size) : m_waiting(size)
{
}

void ChangeReport::changed(const QRect& r)
{
    if (!heard() || r.isEmpty())
        return;
    if (m_batches > 0)
        m_waiting.mark(r);
    else
        m_listener(QRegion(r));
}

void ChangeReport::changed(const std::vector<QRect>& areas)
{
    if (!heard() || areas.empty())
        return;
    for (const QRect& r : areas)
        m_waiting.mark(r);
    if (m_batches == 0)
        tell(nullptr);
}

void ChangeReport::wiped(const BlockMask& transient)
{
    if (!heard())
        return;
    m_waiting.unite(transient);
    if (m_batches == 0)
        tell(nullptr);
}

void ChangeReport::closeBatch(const BlockMask& transient)
{
    if (--m_batches == 0)
        tell(&transient);
}

void ChangeReport::tell(const BlockMask* transient)
{
    if (m_transientDrawn) {
        if (transient)
            m_waiting.unite(*transient);
        m_transientDrawn = false;
    }
    if (!m_waiting.any())
        return;
    const QRegion region = m_waiting.region();
    m_waiting.clear();
    if (heard())
        m_listener(region);
}

QString ChangeReport::checkInvariants() const
{
    if (m_batches < 0)
        return QStringLiteral("%1 change batches are open").arg(m_batches);
    if (m_batches == 0 && (m_waiting.any() || m_transientDrawn))
        return QStringLiteral("changes wait to be reported outside every change batch");
    return QString();
}
