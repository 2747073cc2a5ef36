// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/QuantityGuide.h"

#include <stdexcept>

#include "base/UiText.h"

const QuantityGuideEntry& quantityGuide(Quantity q)
{
    for (const QuantityGuideEntry& g : kQuantityGuide)
        if (g.id == q) return g;
    throw std::logic_error("quantity missing from the guide");
}

std::string guideMeaning(const QuantityGuideEntry& g)
{
    return uiText(kQuantityGuideContext, g.meaning);
}

std::string guideSign(const QuantityGuideEntry& g)
{
    return uiText(kQuantityGuideContext, g.sign);
}

std::string forceBodyText(ForceBody body)
{
    const char* text = "";
    switch (body) {
    case ForceBody::None:
        break;
    case ForceBody::SliderByRod:
        text = guideText("QuantityGuide", "на ползун — со стороны шатуна, в шарнире B");
        break;
    case ForceBody::RodByCrank:
        text = guideText("QuantityGuide", "на шатун — со стороны кривошипа, в шарнире A");
        break;
    case ForceBody::CrankByFrame:
        text = guideText("QuantityGuide", "на кривошип — со стороны стойки, в опоре O");
        break;
    case ForceBody::SliderByGuide:
        text = guideText("QuantityGuide", "на ползун — со стороны направляющей");
        break;
    case ForceBody::SliderByLoad:
        text = guideText("QuantityGuide", "на ползун — извне (рабочая нагрузка)");
        break;
    case ForceBody::CrankByDrive:
        text = guideText("QuantityGuide", "на кривошип — со стороны привода");
        break;
    case ForceBody::RodAboutA:
        text = guideText("QuantityGuide", "на шатун — сумма моментов относительно A");
        break;
    case ForceBody::FrameByLinks:
        text = guideText("QuantityGuide", "на стойку — со стороны подвижных звеньев");
        break;
    case ForceBody::Link1:
        text = guideText("QuantityGuide", "кривошип: сумма всех сил и моментов на нём");
        break;
    case ForceBody::Link2:
        text = guideText("QuantityGuide", "шатун: сумма всех сил и моментов на нём");
        break;
    case ForceBody::Link3:
        text = guideText("QuantityGuide", "ползун: сумма всех сил на нём");
        break;
    }
    return *text ? uiText(kQuantityGuideContext, text) : std::string();
}
