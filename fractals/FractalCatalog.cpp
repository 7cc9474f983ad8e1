// SPDX-License-Identifier: MIT
#include "fractals/FractalCatalog.h"

#include "fractals/CesaroView.h"
#include "fractals/HeighwayView.h"
#include "fractals/HilbertView.h"
#include "fractals/MandelbrotView.h"
#include "fractals/MinkowskiView.h"
#include "fractals/PeanoView.h"
#include "fractals/SierpinskiObjView.h"
#include "fractals/SierpinskiView.h"
#include "fractals/SquareView.h"
#include "fractals/VonKochView.h"

namespace {

template <class View> std::unique_ptr<CNimbrelBaseView> Create() {
    return std::make_unique<View>();
}

constexpr CFractalInfo kCatalog[kFractalCount] = {
    {0, "koch", "Von Koch SnowFlake", "CVonKochView", "Switch to View of Von Koch Curve.",
     &Create<CVonKochView>},
    {1, "mandelbrot", "Mandelbrot Curve", "CMandelbrotView", "Switch to View of Mandelbrot Curve.",
     &Create<CMandelbrotView>},
    {2, "hilbert", "Hilbert Curve", "CHilbertView", "Switch to View of Hilbert Curve.",
     &Create<CHilbertView>},
    {3, "cesaro", "Cesaro Curve", "CCesaroView", "Switch to View of Cesaro Curve.",
     &Create<CCesaroView>},
    {4, "minkowski", "Minkowski Sausage", "CMinkowskiView", "Switch to View of Minkowski Curve.",
     &Create<CMinkowskiView>},
    {5, "sierpinski", "Sierpinski Curve", "CSierpinskiView", "Switch to View of Sierpinski Curve.",
     &Create<CSierpinskiView>},
    {6, "sierpinski-objects", "Sierpinski Objects", "CSierpinskiObjView",
     "Switch to View of Sierpinski Objects Curve.", &Create<CSierpinskiObjView>},
    {7, "peano", "Peano Curve", "CPeanoView", "Switch to View of Peano Curve.",
     &Create<CPeanoView>},
    {8, "square", "Square Curve", "CSquareView", "Switch to View of Square Curve.",
     &Create<CSquareView>},
    {9, "heighway", "Heighway Dragon", "CHeighwayView", "Switch to View of Heighway Curve.",
     &Create<CHeighwayView>},
};

} // namespace

std::span<const CFractalInfo> FractalCatalog() {
    return kCatalog;
}

const CFractalInfo* FindFractal(std::string_view renderName) {
    for (const CFractalInfo& info : kCatalog) {
        if (renderName == info.pszRenderName) {
            return &info;
        }
    }
    return nullptr;
}

std::unique_ptr<CNimbrelBaseView> CreateFractalView(int nPosition) {
    if (nPosition < 0 || nPosition >= kFractalCount) {
        return nullptr;
    }
    return kCatalog[nPosition].pfnCreate();
}
