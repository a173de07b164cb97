// The page's script: one transparent box per tooltip laid over the SVG (made from
// the embedded data), the tooltip itself, and the song time under the pointer in
// pattern:beat and seconds. "#at=X,Y" in the address shows the time at that point
// of the picture once the page has loaded.
#include "timeline/TimelinePage.h"

const char* timelinePageScript() {
    return R"JS(
(function () {
  'use strict';
  const data = JSON.parse(document.getElementById('timeline-data').textContent);
  const svg = document.querySelector('#chart svg');
  const tip = document.getElementById('tip');
  const readout = document.getElementById('readout');
  const tempo = data.timeline.tempo;
  const beatSeconds = 60 / tempo.bpm;
  const patternSeconds = beatSeconds * tempo.patternLength / tempo.patternSpeed;

  function pointInPicture(event) {
    const box = svg.getBoundingClientRect();
    return { x: (event.clientX - box.left) * data.width / box.width,
             y: (event.clientY - box.top) * data.width / box.width };
  }

  function timeAt(x, y) {
    if (x < data.plotLeft || x > data.plotRight) return null;
    for (const row of data.rows) {
      if (y >= row.top && y < row.bottom) return row.from + (x - data.plotLeft) / data.pixelsPerSecond;
    }
    return null;
  }

  function patternBeat(songSeconds) {
    const seconds = songSeconds - tempo.offsetMs / 1000;
    const pattern = Math.floor(seconds / patternSeconds + 1e-9);
    const beat = (seconds - pattern * patternSeconds) / beatSeconds;
    return pattern + ':' + (Math.round(beat * 100) / 100);
  }

  function showTime(x, y) {
    const t = timeAt(x, y);
    readout.textContent = t === null ? '' : patternBeat(t) + '  \u00b7  ' + t.toFixed(3) + ' s';
  }

  function showTip(text, event) {
    tip.textContent = text;
    tip.style.display = 'block';
    tip.style.left = Math.min(event.clientX + 12, window.innerWidth - tip.offsetWidth - 4) + 'px';
    tip.style.top = (event.clientY + 16) + 'px';
  }

  const NS = 'http://www.w3.org/2000/svg';
  const boxes = document.createElementNS(NS, 'g');
  boxes.setAttribute('id', 'hits');
  for (const hit of data.hits) {
    const box = document.createElementNS(NS, 'rect');
    box.setAttribute('class', 'hit');
    box.setAttribute('x', hit.x);
    box.setAttribute('y', hit.y);
    box.setAttribute('width', hit.w);
    box.setAttribute('height', hit.h);
    box.setAttribute('data-tip', hit.tip);
    box.addEventListener('mousemove', function (event) { showTip(hit.tip, event); });
    box.addEventListener('mouseleave', function () { tip.style.display = 'none'; });
    boxes.appendChild(box);
  }
  svg.appendChild(boxes);

  svg.addEventListener('mousemove', function (event) {
    const p = pointInPicture(event);
    showTime(p.x, p.y);
  });
  svg.addEventListener('mouseleave', function () { readout.textContent = ''; });

  const at = /#at=([\d.]+),([\d.]+)/.exec(window.location.hash);
  if (at) showTime(Number(at[1]), Number(at[2]));
})();
)JS";
}
