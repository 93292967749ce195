// Draws the main menu at build time with the page's own builder, so that a first visit shows it
// before any script has come. The builder is handed a document that records what it makes: the
// elements become HTML, and their styles rules of the stylesheet, since the page's
// Content-Security-Policy allows no style attributes.
//   node web/prerender.mjs LAYOUTS_JSON   prints {"html": ..., "css": ...}
import { readFileSync } from 'node:fs';
import { MainMenu } from './main_menu.js';

const kVoid = new Set(['img', 'input']);
const kAttributeOf = { className: 'class', htmlFor: 'for', tabIndex: 'tabindex' };

// An element that keeps its attributes, children and style, and understands what the builder
// does to one: properties that stand for attributes, a class list, a data set and its text.
function recordedElement(tag) {
  const record = { tag, attributes: new Map(), children: [], style: {} };
  record.dataset = new Proxy({}, { set: (_, name, value) => !!record.attributes.set(`data-${kebab(name)}`, String(value)) });
  const classes = () => (record.attributes.get('class') ?? '').split(' ').filter(Boolean);
  const methods = {
    setAttribute: (name, value) => record.attributes.set(name, String(value)),
    append: (...nodes) => record.children.push(...nodes),
    addEventListener: () => {},
    classList: { add: (...names) => record.attributes.set('class', [...new Set([...classes(), ...names])].join(' ')) },
  };
  return new Proxy(record, {
    get(target, property) {
      if (property in methods) return methods[property];
      if (property in target) return target[property];
      return target.attributes.get(kAttributeOf[property] ?? property);
    },
    set(target, property, value) {
      const name = kAttributeOf[property] ?? property;
      if (property === 'textContent') target.children = [String(value)];
      else if (value === false && name !== 'spellcheck') target.attributes.delete(name);
      else target.attributes.set(name, value === true ? '' : String(value));
      return true;
    },
  });
}

const escaped = (text) => String(text).replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
const kebab = (name) => name.replace(/[A-Z]/g, (letter) => `-${letter.toLowerCase()}`);

function html(node, parentSelector, rules) {
  if (typeof node === 'string') return escaped(node);
  const [id, className] = [node.attributes.get('id'), node.attributes.get('class')?.split(' ')[0]];
  const selector = id ? `#${id}` : className && `${parentSelector} > .${className}`;
  const declarations = Object.entries(node.style).map(([name, value]) => `${kebab(name)}: ${value};`);
  if (declarations.length && !selector) throw new Error(`a styled <${node.tag}> needs an id or a class`);
  if (declarations.length) rules.push(`${selector} { ${declarations.join(' ')} }`);
  const attributes = [...node.attributes].map(([name, value]) => (value === '' ? ` ${name}` : ` ${name}="${escaped(value)}"`)).join('');
  const children = node.children.map((child) => html(child, selector, rules)).join('');
  return `<${node.tag}${attributes}>${kVoid.has(node.tag) ? '' : `${children}</${node.tag}>`}`;
}

globalThis.document = { createElement: recordedElement, createElementNS: (namespace, tag) => recordedElement(tag) };
const layouts = JSON.parse(readFileSync(process.argv[2], 'utf8'));
const menu = new MainMenu(layouts, () => {});
menu.element.classList.add('front', 'centred');
const rules = [];
const markup = html(menu.element, '', rules);
process.stdout.write(JSON.stringify({ html: markup, css: rules.join('\n') }));
