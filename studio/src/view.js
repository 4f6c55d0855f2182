// The 3D view of a written model, drawn with three.js: orbit, zoom, a
// wireframe toggle, and a slow turn about the model's own axis.
import * as THREE from 'three';
import { OrbitControls } from 'three/addons/controls/OrbitControls.js';

export class ModelView {
  constructor(canvas) {
    this.canvas = canvas;
    this.renderer = new THREE.WebGLRenderer({ canvas, antialias: true });
    this.renderer.setPixelRatio(window.devicePixelRatio || 1);
    this.scene = new THREE.Scene();
    this.scene.background = new THREE.Color(0x2b2f36);
    this.camera = new THREE.PerspectiveCamera(35, 1, 0.1, 100000);
    this.camera.position.set(300, 240, 360);
    this.controls = new OrbitControls(this.camera, canvas);
    this.controls.enableDamping = false;
    this.controls.addEventListener('change', () => this.render());
    this.scene.add(new THREE.HemisphereLight(0xf4f1ea, 0x3a3630, 1.6));
    const key = new THREE.DirectionalLight(0xffffff, 1.8);
    key.position.set(-1, 1.6, 1.1);
    this.camera.add(key);
    this.scene.add(this.camera);
    this.material = new THREE.MeshStandardMaterial({
      color: 0xd9c7a7, roughness: 0.7, metalness: 0.0, side: THREE.DoubleSide,
    });
    this.mesh = null;
    this.turning = true;
    this.lastFrame = 0;
    new ResizeObserver(() => this.resize()).observe(canvas);
    const loop = (time) => {
      requestAnimationFrame(loop);
      // The model turns about the plot's axis: its own Y axis.
      if (this.turning && this.mesh) {
        const seconds = this.lastFrame ? Math.min(0.1, (time - this.lastFrame) / 1000) : 0;
        this.mesh.rotation.y += seconds * 0.5;
        this.render();
      }
      this.lastFrame = time;
    };
    requestAnimationFrame(loop);
  }

  resize() {
    const { width, height } = this.canvas.getBoundingClientRect();
    if (width === 0 || height === 0) return;
    this.renderer.setSize(width, height, false);
    this.camera.aspect = width / height;
    this.camera.updateProjectionMatrix();
    this.render();
  }

  // model: what readT3m gives, or null for an empty view.
  setModel(model) {
    if (this.mesh) {
      this.scene.remove(this.mesh);
      this.mesh.geometry.dispose();
    }
    const angle = this.mesh ? this.mesh.rotation.y : 0;
    this.mesh = null;
    if (model && model.connCount > 0) {
      const geometry = new THREE.BufferGeometry();
      geometry.setAttribute('position', new THREE.BufferAttribute(model.positions, 3));
      geometry.setAttribute('uv', new THREE.BufferAttribute(model.uvs, 2));
      geometry.setIndex(new THREE.BufferAttribute(model.indices, 1));
      geometry.computeVertexNormals();
      geometry.computeBoundingSphere();
      this.mesh = new THREE.Mesh(geometry, this.material);
      this.mesh.rotation.y = angle;
      this.scene.add(this.mesh);
    }
    this.render();
  }

  // Frames the model from a three-quarter view above.
  fit() {
    if (!this.mesh) return;
    const sphere = this.mesh.geometry.boundingSphere;
    const radius = Math.max(sphere.radius, 1);
    const distance = radius / Math.sin((this.camera.fov * Math.PI) / 360) * 1.15;
    const direction = new THREE.Vector3(0.55, 0.62, 0.72).normalize();
    // The turn is about the Y axis, so the centre's height is all that matters.
    const target = new THREE.Vector3(0, sphere.center.y, 0);
    const reach = Math.hypot(sphere.center.x, sphere.center.z);
    this.camera.position.copy(target).addScaledVector(direction, distance + reach);
    this.camera.near = Math.max(0.01, (distance + reach) / 1000);
    this.camera.far = (distance + reach) * 10 + radius * 4;
    this.camera.updateProjectionMatrix();
    this.controls.target.copy(target);
    this.controls.update();
    this.render();
  }

  setWireframe(on) {
    this.material.wireframe = on;
    this.render();
  }

  setTurning(on) {
    this.turning = on;
  }

  render() {
    this.renderer.render(this.scene, this.camera);
  }
}
