// The peer of `make bench-batch`: the four pillars and the luck pillars of each
// birth of a mireto-births file with lunar-javascript, one JSON line out per
// line in. Run by bench/bench-batch with the package installed in a scratch
// folder: node lunar-batch.js < births.jsonl > /dev/null
'use strict';
const readline = require('readline');
const { Solar } = require('lunar-javascript');

const input = readline.createInterface({ input: process.stdin, crlfDelay: Infinity });
const out = [];
let pending = 0;

function Chart(birth) {
  const [year, month, day] = birth.date.split('-').map(Number);
  const hour = birth.hour === '?' ? 12 : Number(birth.hour);
  const minute = birth.minute === '?' ? 0 : Number(birth.minute);
  const eightChar = Solar.fromYmdHms(year, month, day, hour, minute, 0).getLunar().getEightChar();
  const yun = eightChar.getYun(birth.sex === 'M' ? 1 : 0);
  return {
    pillars: [eightChar.getYear(), eightChar.getMonth(), eightChar.getDay(), eightChar.getTime()],
    luckStart: [yun.getStartYear(), yun.getStartMonth(), yun.getStartDay()],
    luck: yun.getDaYun().map((d) => [d.getGanZhi(), d.getStartAge()]),
  };
}

input.on('line', (line) => {
  let text;
  try {
    text = JSON.stringify(Chart(JSON.parse(line)));
  } catch (e) {
    text = JSON.stringify({ error: String(e) });
  }
  out.push(text);
  if (++pending === 1024) {
    process.stdout.write(out.join('\n') + '\n');
    out.length = 0;
    pending = 0;
  }
});
input.on('close', () => {
  if (out.length > 0) process.stdout.write(out.join('\n') + '\n');
});
