// Mouse trail of the home page. The page holds seven pictures, dot0 to dot6; dot0 (hidden) leads
// at the mouse pointer and every later dot eases toward the one before it, so the visible six
// follow the pointer as a tail. A dot's place is its style left and top, in page pixels.
(() => {
    "use strict";

    const SIZE = 32; // the pictures are 32 x 32 pixels
    const OFFSET = 10; // the trail runs just below and right of the pointer's tip
    const EASE = 0.35; // share of the way to the dot ahead that a dot covers in one frame
    const NEAR = 0.5; // a dot this close to the one ahead has caught up

    const dots = [];
    for (let i = 0; i <= 6; i++) {
        const element = document.getElementById("dot" + i);
        if (element) {
            dots.push({ element, x: 0, y: 0, visibility: element.style.visibility });
        }
    }
    if (dots.length === 0) {
        return;
    }

    let pointer = null; // where the leader goes, in page pixels; null until the mouse first moves
    let frame = 0; // the pending animation frame; 0 while the trail rests

    // Keeps a dot inside the visible part of the page, so the trail never adds scroll bars.
    function place(dot) {
        const view = document.scrollingElement || document.documentElement;
        const right = window.scrollX + Math.max(0, view.clientWidth - SIZE);
        const bottom = window.scrollY + Math.max(0, view.clientHeight - SIZE);
        dot.x = Math.min(Math.max(dot.x, window.scrollX), right);
        dot.y = Math.min(Math.max(dot.y, window.scrollY), bottom);
        dot.element.style.left = Math.round(dot.x) + "px";
        dot.element.style.top = Math.round(dot.y) + "px";
    }

    function step() {
        dots[0].x = pointer.x;
        dots[0].y = pointer.y;
        place(dots[0]);
        let moving = false;
        for (let i = 1; i < dots.length; i++) {
            const dot = dots[i];
            const dx = dots[i - 1].x - dot.x;
            const dy = dots[i - 1].y - dot.y;
            if (Math.abs(dx) < NEAR && Math.abs(dy) < NEAR) {
                dot.x += dx;
                dot.y += dy;
            } else {
                dot.x += dx * EASE;
                dot.y += dy * EASE;
                moving = true;
            }
            place(dot);
        }
        frame = moving ? window.requestAnimationFrame(step) : 0;
    }

    // Until the mouse first moves, the dots wait hidden in the top left corner, off the heading.
    // They never catch a click: the link under the pointer gets it.
    for (const dot of dots) {
        dot.element.style.pointerEvents = "none";
        dot.element.style.visibility = "hidden";
        place(dot);
    }

    document.addEventListener(
        "mousemove",
        (event) => {
            if (pointer === null) {
                for (const dot of dots) {
                    dot.element.style.visibility = dot.visibility;
                }
            }
            pointer = { x: event.pageX + OFFSET, y: event.pageY + OFFSET };
            if (frame === 0) {
                frame = window.requestAnimationFrame(step);
            }
        },
        { passive: true }
    );
})();
